#include "backends/qt/qt_application.h"

#include <QApplication>
#include <QStyleFactory>

namespace qttk {

QFont ProgramFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  if (qEnvironmentVariableIsSet("FAUNARY_FONT")) {  // TEMPORARY experiment
    const QStringList parts = qEnvironmentVariable("FAUNARY_FONT").split(',');
    font.setFamily(parts.value(0));
    font.setPixelSize(parts.value(1).toInt());
  }
  font.setStyleHint(QFont::SansSerif);
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
