#include "backends/qt/qt_application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyleFactory>

namespace qttk {

QFont ProgramFont() {
  // Narrow glyphs like the Windows font's: at its 13-pixel line, the
  // program's longest lines (dex numbers, machine cells, the common gender
  // ratios) fit their controls only condensed, set 8% tighter. Without the
  // condensed face, DejaVu Sans at 10 pixels comes closest.
  static const QFont font = [] {
    const bool condensed = QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed"));
    QFont chosen(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    chosen.setPixelSize(condensed ? 11 : 10);
    chosen.setLetterSpacing(QFont::PercentageSpacing, 92);
    chosen.setStyleHint(QFont::SansSerif);
    return chosen;
  }();
  return font;
}

void SetUpApplication(QApplication& application) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setFont(ProgramFont());
  // The program ends when its main window is destroyed, as on Windows.
  application.setQuitOnLastWindowClosed(false);
}

tk::Instance ProgramInstance() { return tk::Instance{1}; }

}  // namespace qttk
