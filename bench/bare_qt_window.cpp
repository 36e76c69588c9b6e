// The floor of the native start-up benchmark: a bare Qt Widgets program holding what the
// main window holds (an 800x600 window, a 493-entry list, a twelve-tab bar, forty labels)
// that closes as soon as it is shown.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.setFixedSize(800, 600);
  auto* list = new QListWidget(&window);
  list->setGeometry(660, 5, 125, 545);
  for (int i = 1; i <= 493; ++i) list->addItem(QStringLiteral("Pokemon %1").arg(i));
  auto* tabs = new QTabBar(&window);
  tabs->setShape(QTabBar::RoundedSouth);
  tabs->setGeometry(5, 565, 650, 30);
  for (int i = 1; i <= 12; ++i) tabs->addTab(QStringLiteral("Tab %1").arg(i));
  for (int i = 0; i < 40; ++i) {
    auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
    label->setGeometry(10 + (i % 4) * 160, 10 + (i / 4) * 24, 150, 20);
  }
  window.show();
  QTimer::singleShot(0, &window, &QWidget::close);
  return QApplication::exec();
}
