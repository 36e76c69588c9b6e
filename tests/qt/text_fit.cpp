#include "text_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>

#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"
#include "text_fit_walk.h"

namespace {

// Why `w`'s text does not fit it, or "" when it does. Windows draws a
// static's lines from its top left, breaking at spaces; what falls outside
// is cut off. Buttons and drop-down lists show one line, with a 3-pixel
// margin each side, and a drop-down list's arrow takes 18 pixels.
QString DoesNotFit(const QWidget* w) {
  const QFontMetrics metrics(w->font());
  auto one_line = [&](QString text, int room) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int needed = metrics.horizontalAdvance(text);
    return needed > room ? QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room) : QString();
  };
  if (auto* s = dynamic_cast<const qttk::StaticText*>(w)) {
    if (s->Text().isEmpty()) return {};
    for (const QString& word : s->Text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
      if (metrics.horizontalAdvance(word) > w->width()) return one_line(word, w->width());
    const QRect needed = metrics.boundingRect(QRect(0, 0, w->width(), 10000), qttk::StaticText::DrawFlags(false), s->Text());
    if (needed.height() > w->height())
      return QStringLiteral("\"%1\" needs %2 px high, has %3").arg(s->Text()).arg(needed.height()).arg(w->height());
    return {};
  }
  if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) {
    // A reader scrolls through an edit with a scroll bar.
    if (e->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) return {};
    const QRect needed = metrics.boundingRect(e->viewport()->rect().adjusted(1, 1, -1, -1), Qt::TextWordWrap, e->toPlainText());
    return needed.height() > e->viewport()->height() ? QStringLiteral("\"%1\" is cut off").arg(e->toPlainText()) : QString();
  }
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return one_line(b->text(), w->width() - 6);
  if (auto* c = qobject_cast<const QComboBox*>(w)) return one_line(c->currentText(), w->width() - 24);
  return {};
}

QString TextKey(const QWidget* w) {
  QString text;
  if (auto* s = dynamic_cast<const qttk::StaticText*>(w)) text = s->Text();
  else if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) text = e->toPlainText();
  else if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
  else if (auto* c = qobject_cast<const QComboBox*>(w)) text = c->currentText();
  return QStringLiteral("%1 %2x%3 %4").arg(w->metaObject()->className()).arg(w->width()).arg(w->height()).arg(text);
}

// The main window's tabs, list and controls, shown by setting them directly.
class QtFitSubject final : public FitSubject {
 public:
  explicit QtFitSubject(QWidget* main_window)
      : main_(main_window), tabs_(main_window->findChild<QTabBar*>()), pokemon_(main_window->findChild<QListWidget*>()) {}
  int TabCount() override { return tabs_ ? tabs_->count() : 0; }
  std::string ShowTab(int tab) override {
    tabs_->setCurrentIndex(tab);
    return tabs_->tabText(tab).toStdString();
  }
  int PokemonCount() override { return pokemon_ ? pokemon_->count() : 0; }
  std::string ShowPokemon(int row) override {
    pokemon_->setCurrentRow(row);
    return pokemon_->item(row)->text().toStdString();
  }
  std::vector<Shown> VisibleControls() override {
    shown_.clear();
    std::vector<Shown> controls;
    for (QObject* child : main_->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (!w || !qttk::HandleOf(w) || !w->isVisible()) continue;
      shown_.push_back(w);
      controls.push_back({w->property("faunaryName").toString().toStdString(), TextKey(w).toStdString()});
    }
    return controls;
  }
  std::string DoesNotFit(std::size_t n) override { return ::DoesNotFit(shown_[n]).toStdString(); }

 private:
  QWidget* main_;
  QTabBar* tabs_;
  QListWidget* pokemon_;
  std::vector<const QWidget*> shown_;
};

}  // namespace

std::vector<std::string> TextsThatDoNotFit(QWidget* main_window, const std::vector<std::string>& allowed) {
  QtFitSubject subject(main_window);
  return WalkTextFit(subject, allowed);
}
