#pragma once
// Making controls: the main window's and pages' (CreateControl) and the
// dialogs' items (RunDialog) come from the same factory.
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <string_view>

#include "port/toolkit.h"

namespace qttk {

// A control of class `class_name` (Win32's names, any case) as a child of
// `parent`, registered; 0 for an unknown class or parent.
tk::Window MakeControl(std::string_view class_name, std::string_view text, std::uint32_t style, QRect rect,
                       tk::Window parent, int id, tk::Instance instance);

// The widgets of each class (combo_box.cpp, list_view.cpp, tab_control.cpp).
QWidget* MakeSimpleCombo(QWidget* parent);
QWidget* MakeDropList(QWidget* parent, int open_height);
QWidget* MakeListView(QWidget* parent, std::uint32_t style);
QWidget* MakeTabControl(QWidget* parent, std::uint32_t style);
// The text a simple combo box's edit field shows.
void SetSimpleComboText(QWidget* combo, const QString& text);
QString SimpleComboText(QWidget* combo);

}  // namespace qttk
