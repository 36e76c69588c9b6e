#pragma once
// For checking an installed program without a user (tests/linux/check_deb.py):
// with FAUNARY_CLOSE_AFTER_START set in the environment, every message box is
// answered with its button and the main window is closed as soon as start-up
// is done, so the settings are saved as at a user's exit. Each step is
// reported on standard output. Does nothing otherwise.
namespace qttk {
void CloseAfterStartWhenAsked();
}
