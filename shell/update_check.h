#pragma once

// Thread routine of the online update check: asks the update server once
// whether a newer program exists and tells the user what it found, or what
// went wrong. It shares nothing with the window thread but the main window
// handle that owns its message boxes. The parameter is not read; returns 0.
unsigned long CheckForUpdate(void* parameter);
