#include "text_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>

#include <algorithm>
#include <map>

#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"

namespace {

struct Overflow {
  int count = 0;
  std::string example;
};

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

}  // namespace

std::vector<std::string> TextsThatDoNotFit(QWidget* main_window, const std::vector<std::string>& allowed) {
  QTabBar* tabs = main_window->findChild<QTabBar*>();
  QListWidget* pokemon = main_window->findChild<QListWidget*>();
  std::map<std::string, Overflow> found;  // by control name and tab
  std::map<QString, QString> measured;
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    for (int row = 0; row < pokemon->count(); ++row) {
      pokemon->setCurrentRow(row);
      for (QObject* child : main_window->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || !qttk::HandleOf(w) || !w->isVisible()) continue;
        // The same text in the same size of control is measured once.
        const QString key = TextKey(w);
        auto known = measured.find(key);
        if (known == measured.end()) known = measured.emplace(key, DoesNotFit(w)).first;
        const QString& why = known->second;
        if (why.isEmpty()) continue;
        const std::string name = w->property("faunaryName").toString().toStdString();
        Overflow& overflow = found[name + " on " + tabs->tabText(tab).toStdString()];
        if (overflow.count++ == 0) overflow.example = pokemon->item(row)->text().toStdString() + ": " + why.toStdString();
      }
    }
  }
  std::vector<std::string> report;
  std::vector<bool> used(allowed.size(), false);
  for (const auto& [where, overflow] : found) {
    const std::string name = where.substr(0, where.find(" on "));
    const auto allow = std::find(allowed.begin(), allowed.end(), name);
    if (allow != allowed.end()) {
      used[static_cast<std::size_t>(allow - allowed.begin())] = true;
      continue;
    }
    report.push_back(where + " (" + std::to_string(overflow.count) + " Pokemon), e.g. " + overflow.example);
  }
  for (std::size_t n = 0; n < allowed.size(); ++n)
    if (!used[n]) report.push_back(allowed[n] + " is allowed to overflow but always fits");
  return report;
}
