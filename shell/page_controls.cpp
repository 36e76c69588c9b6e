#include "shell/page_controls.h"

#include "shell/shell_state.h"

tk::OwnedWindow MakeControl(const ControlLayout& place) {
  tk::OwnedWindow control{tk::CreateControl(place.window_class, place.name, place.style, place.x, place.y, place.width,
                                            place.height, MainWindow(), place.id, AppInstance())};
  if (place.font == ControlFont::kShared) tk::SetControlFont(control, SharedFont());
  if (place.font == ControlFont::kGui) tk::SetControlFont(control, tk::StockGuiFont());
  return control;
}

void MakeControls(std::span<const ControlLayout> layout, std::vector<tk::OwnedWindow>& controls) {
  for (const ControlLayout& place : layout) controls.push_back(MakeControl(place));
}
