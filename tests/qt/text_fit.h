#pragma once
// The text-fit check: every Pokemon of the list on every tab, each text of
// a static, button, edit field or drop-down list measured with the font it
// is drawn in against its control. Returns one line per control (window
// name, the tab, how many Pokemon, one example) whose text does not fit,
// except the controls named in `allowed`, and names allowed controls that
// always fit (so that the list stays short).
#include <QWidget>

#include <string>
#include <vector>

std::vector<std::string> TextsThatDoNotFit(QWidget* main_window, const std::vector<std::string>& allowed);
