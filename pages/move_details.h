#pragma once

// Opens the move details dialog (resource 320) for a move of the move table,
// modally, owned by the main window; returns when it is closed. An id below 1
// shows "Invalid moveid" instead.
void ShowMoveDetails(int move_id);
