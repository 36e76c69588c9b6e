#include "shell/page_controls.h"

#include "shell/shell_state.h"

tk::OwnedWindow MakeControl(const ControlSpec& spec) {
  tk::OwnedWindow control{tk::CreateControl(spec.window_class, spec.name, spec.style, spec.x, spec.y, spec.width,
                                            spec.height, MainWindow(), spec.id, AppInstance())};
  if (spec.font == ControlFont::kShared) tk::SetControlFont(control, SharedFont());
  if (spec.font == ControlFont::kGui) tk::SetControlFont(control, tk::StockGuiFont());
  return control;
}

void MakeControls(std::span<const ControlSpec> layout, std::vector<tk::OwnedWindow>& controls) {
  for (const ControlSpec& spec : layout) controls.push_back(MakeControl(spec));
}
