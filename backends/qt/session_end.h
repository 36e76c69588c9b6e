#pragma once
// The end of the desktop session and SIGTERM (or SIGHUP) reach the main
// window as WM_ENDSESSION, as Windows sends it, so the settings are saved as
// at a user's exit; after a signal the program then ends at once.
namespace qttk {
void EndWithTheSession();
}
