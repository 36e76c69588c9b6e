#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "calc/list_choice.h"
#include "port/toolkit.h"

// What the five calculator dialogs share: filling and reading their
// drop-down lists, their message boxes and their message handling.

// Adds first..last in decimal, each followed by `suffix`; with `number_as_data`
// every entry carries its number as item data.
void AddNumberEntries(tk::Window list, int first, int last, bool number_as_data,
                      std::string_view suffix = "");
void AddChoices(tk::Window list, std::span<const ListChoice> choices);

// The item data of a dialog list's selection; CB_ERR when nothing is selected.
std::intptr_t SelectedData(tk::Window dialog, int list_id);
// The position of a dialog list's selection; -1 when nothing is selected.
int SelectedPosition(tk::Window dialog, int list_id);

// A calculator's message: owned by the main window, OK button only.
void ShowCalcMessage(std::string_view text, std::string_view title);

using DialogStep = void (*)(tk::Window dialog);

// A calculator's dialog procedure: WM_INITDIALOG runs `init` (TRUE). Of
// WM_COMMAND the whole wparam is compared, so only button clicks match: 1 and
// 2 ("Done", Escape, the close box) end the dialog with that value, the
// "Calculate" button runs `calculate` (both TRUE). Anything else is FALSE.
std::intptr_t CalculatorDialog(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               int calculate_id, DialogStep init, DialogStep calculate);
