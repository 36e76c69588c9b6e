#include "backends/qt/static_text.h"

#include <QMouseEvent>
#include <QPainter>

namespace qttk {

// Opaque, as a Windows static erases its rectangle first: where the layout
// lets two statics overlap, the later one hides the end of the earlier.
StaticText::StaticText(QWidget* parent, bool centred) : QWidget(parent), centred_(centred) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
}

int StaticText::DrawFlags(bool centred) {
  const int align = centred ? Qt::AlignHCenter : Qt::AlignLeft;
  return align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

void StaticText::SetText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (shown == text_) return;
  text_ = shown;
  update();
}

void StaticText::SetGreyed(bool greyed) {
  if (greyed == greyed_) return;
  greyed_ = greyed;
  update();
}

void StaticText::SetPixmap(const QPixmap& pixmap) {
  pixmap_ = pixmap;
  // Windows sizes a bitmap static to its bitmap.
  if (!pixmap_.isNull()) resize(pixmap_.deviceIndependentSize().toSize());
  update();
}

// Halfway between the text and its background: clearly greyed, yet still
// readable (about 4:1 in the light and the dark palette, where the style's
// own disabled colour gives 1.7:1).
namespace {
QColor GreyedTextColour(const QPalette& palette) {
  const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
  const QColor back = palette.color(QPalette::Active, QPalette::Window);
  return QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2, (text.blue() + back.blue()) / 2);
}
}  // namespace

void StaticText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!pixmap_.isNull()) {
    painter.drawPixmap(0, 0, pixmap_);
    return;
  }
  painter.setPen(greyed_ ? GreyedTextColour(palette()) : palette().color(QPalette::Active, QPalette::WindowText));
  painter.drawText(rect(), DrawFlags(centred_), text_);
}

void StaticText::mouseDoubleClickEvent(QMouseEvent* event) {
  if (on_double_click && event->button() == Qt::LeftButton) on_double_click();
}

}  // namespace qttk
