#pragma once
// Turns a layout of the dialog table into the in-memory DLGTEMPLATE that
// DialogBoxIndirectParamA runs: the header with DS_SETFONT and the font, then
// one DLGITEMTEMPLATE per item, each DWORD-aligned, strings in UTF-16.
#include <cstdint>
#include <vector>

#include "resources/dialog_templates.h"

// The template as 16-bit words; the vector's storage is suitably aligned.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& layout);

// Class atoms Windows predefines for dialog items.
inline constexpr std::uint16_t kButtonAtom = 0x0080;
inline constexpr std::uint16_t kEditAtom = 0x0081;
inline constexpr std::uint16_t kStaticAtom = 0x0082;
inline constexpr std::uint16_t kComboBoxAtom = 0x0085;
