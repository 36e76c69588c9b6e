#pragma once
// The program's dialog layouts: one table that every backend builds its
// modal dialogs from. Positions and sizes are in dialog units; styles use the
// Win32 values of port/win_constants.h. The texts are the template's own,
// most of which the dialog procedures replace when the dialog opens.
#include <cstdint>
#include <span>

struct DialogItemTemplate {
  int id = 0;
  const char* class_name = "";   // WC_STATIC, WC_BUTTON, WC_COMBOBOX, WC_EDIT
  const char* text = "";
  std::uint32_t style = 0;       // WS_CHILD | WS_VISIBLE are implied
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;                // for a drop-down list: the height of its open list
};

struct DialogTemplate {
  int id = 0;
  const char* title = "";
  std::uint32_t style = 0;
  int width = 0;
  int height = 0;
  const char* font = "MS Sans Serif";
  int font_points = 8;
  std::span<const DialogItemTemplate> items;
};

// The template with that resource id, or null.
const DialogTemplate* FindDialogTemplate(int id);
// Every template, in resource-id order.
std::span<const DialogTemplate> AllDialogTemplates();
