#pragma once
// What a page shows in its lists and drop-down lists, read as plain values,
// and the start of every page session.
#include <cstdint>
#include <string>
#include <vector>

#include "support/faunary_fixture.h"

using Rows = std::vector<std::vector<std::string>>;

// Starts the program on the fixture data set with Bulbasaur and the tab.
void OpenPage(FaunaryFixture& app, const std::string& tab);

Rows RowTexts(int list_id);
std::vector<int> RowImages(int list_id);
std::vector<std::intptr_t> RowData(int list_id);
std::vector<std::string> EntryTexts(int combo_id);
std::vector<std::intptr_t> EntryData(int combo_id);
std::string SelectedEntry(int combo_id);  // "" when none
