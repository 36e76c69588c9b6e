// Message boxes. The update check shows its notices from its own thread; Qt
// widgets live on the window thread, so the box is shown there while the
// calling thread waits for the answer, as MessageBoxA makes it wait.
#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace {

int ShowOnWindowThread(tk::Window owner, const QString& text, const QString& title, unsigned type) {
  QWidget* parent = nullptr;
  if (const qttk::Node* node = qttk::NodeOf(owner)) parent = node->widget;
  QMessageBox box((type & MB_ICONWARNING) == MB_ICONWARNING ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                  text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(QMessageBox::Ok);  // the one button; Escape and the close box give it too
  box.exec();
  return IDOK;
}

}  // namespace

namespace tk {

int ShowMessageBox(Window owner, std::string_view text, std::string_view title, unsigned type) {
  const QString shown_text = qttk::FromCp1252(text), shown_title = qttk::FromCp1252(title);
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return 0;
  if (QThread::currentThread() == application->thread()) return ShowOnWindowThread(owner, shown_text, shown_title, type);
  int answer = 0;
  QMetaObject::invokeMethod(
      application, [&] { answer = ShowOnWindowThread(owner, shown_text, shown_title, type); },
      Qt::BlockingQueuedConnection);
  return answer;
}

}  // namespace tk
