#pragma once
// What the native program sets up before the portable start-up runs: the
// widget style, the font every control is given, the module instance.
#include <QFont>

#include "port/toolkit.h"

class QApplication;

namespace qttk {

// The font that stands for Windows' DEFAULT_GUI_FONT (MS Sans Serif 8, a
// 13-pixel line): DejaVu Sans Condensed at 11 pixels, 92% letter spacing
// (Debian's fonts-dejavu-extra), so that the program's texts fit the
// controls laid out for that font. Sizes in pixels, as the controls' are.
QFont ProgramFont();

// Fusion style (the same metrics on every desktop), the program font.
void SetUpApplication(QApplication& application);

tk::Instance ProgramInstance();

// Forgets the registered window classes, as a new process starts without
// them (for tests that start the program more than once in one process).
void ForgetWindowClasses();

}  // namespace qttk
