#pragma once
// A STATIC control: text drawn from its top left corner, wrapped at word
// boundaries and clipped to the control as Windows draws it, greyed when
// disabled; or, with SS_BITMAP, a bitmap. It stays enabled for Qt even when
// greyed, because a greyed static made with SS_NOTIFY still reports
// double-clicks (the machine pages' cells).
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

namespace qttk {

class StaticText : public QWidget {
 public:
  StaticText(QWidget* parent, bool centred);
  void SetText(const QString& text);
  QString Text() const { return text_; }
  void SetGreyed(bool greyed);
  bool Greyed() const { return greyed_; }
  void SetPixmap(const QPixmap& pixmap);
  // Called on a double-click (set for SS_NOTIFY statics).
  std::function<void()> on_double_click;

  // How the text is laid out in a rectangle (the fit check measures with it).
  static int DrawFlags(bool centred);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QPixmap pixmap_;
  bool centred_ = false;
  bool greyed_ = false;
};

}  // namespace qttk
