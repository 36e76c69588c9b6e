#pragma once
#include <memory>

#include "shell/dex_page.h"

// The page object of a tab index, or null for an index that names no page
// (or whose page is not built into this program); one line per tab.
std::unique_ptr<DexPage> MakePage(int index);
