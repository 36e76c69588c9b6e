#pragma once
#include <cstdint>

#include "port/toolkit.h"

// The move details dialog (resource 320): every fact of one move. Opened by
// the moves page, the breeding page and the machine pages.

// Opens the dialog modally for the move and returns when it is closed. An id
// below 1 only says "Invalid moveid".
void ShowMoveDetails(int move_id);

std::intptr_t MoveDetailsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                 std::intptr_t lparam);

// A double-click on a move list: the details of the selected row's move.
// "Could not retrieve selected item" when no row is selected. Returns 1 when
// nothing could be shown for want of a selection, else 0.
int ShowSelectedMoveDetails(tk::Window list);

// Forgets the move the dialog showed last.
void ResetMoveDetails();
