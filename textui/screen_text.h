#pragma once
#include <functional>
#include <string>
#include <vector>

#include "backends/memory/memory_screen.h"

// Writes what the in-memory screen shows as plain text, one control after
// another in reading order (top to bottom, then left to right):
//   statics and edits    their text, one line per text line
//   buttons              <About>, check boxes [x] Text, radio buttons (o) Text
//   drop-down lists      the selected entry, then [v]
//   open lists           the selected entry and the entry count
//   tab controls         every tab, the selected one in brackets
//   list views           an aligned table under its column titles
// Controls that are not visible are left out; disabled ones say (greyed).

// Names the image of a list row (an index into its image list).
using ImageNamer = std::function<std::string(int image)>;

std::string RenderControls(const std::vector<const memtk::Control*>& controls,
                           const ImageNamer& image_name);
std::string RenderMessageBox(const memtk::MessageBoxShown& box);
