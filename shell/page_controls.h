#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "port/owned.h"

enum class ControlFont { kShared, kGui, kNone };

// One control of a page, as it is created: a child of the main window.
struct ControlLayout {
  const char* window_class;
  std::string_view name;
  std::uint32_t style;
  int x, y, width, height;
  int id;
  ControlFont font = ControlFont::kShared;
};

tk::OwnedWindow MakeControl(const ControlLayout& place);
// The controls of a layout table, created in its order and kept in `controls`.
void MakeControls(std::span<const ControlLayout> layout, std::vector<tk::OwnedWindow>& controls);
