// SysTabControl32: a tab bar (at the bottom with TCS_BOTTOM) under a panel.
// The pages' controls are the main window's children laid over the panel.
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "backends/qt/controls.h"
#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

class TabControl : public QWidget {
 public:
  TabControl(QWidget* parent, bool bottom) : QWidget(parent), bar_(new QTabBar(this)), bottom_(bottom) {
    bar_->setShape(bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
    // Every tab in view, no scroll arrows: compact tabs, as narrow as their names.
    bar_->setUsesScrollButtons(false);
    bar_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 2px; }"));
    bar_->setExpanding(false);
    bar_->setDrawBase(false);
    // A click on a tab gives the strip the focus, so the arrow keys go on from there.
    bar_->setFocusPolicy(Qt::StrongFocus);
    // Ctrl+Tab and Ctrl+PageDown (and back) from anywhere in the window.
    const auto step = [this](int by) {
      const int count = bar_->count();
      if (count == 0) return;
      const int from = none_ ? -by : bar_->currentIndex();
      const int to = ((from + by) % count + count) % count;
      if (to == bar_->currentIndex()) {
        none_ = false;
        SendNotify(HandleOf(this), TCN_SELCHANGE);
      } else {
        bar_->setCurrentIndex(to);
      }
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
      connect(new QShortcut(keys, parent, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this,
              [step] { step(1); });
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
      connect(new QShortcut(keys, parent, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this,
              [step] { step(-1); });
    // A user's choice of tab (a click, the arrow keys); TabSetCurSel is quiet.
    connect(bar_, &QTabBar::currentChanged, this, [this](int) {
      none_ = false;
      if (!quiet_) SendNotify(HandleOf(this), TCN_SELCHANGE);
    });
    // A tab bar always shows one tab as current; with none selected, a click
    // on that one chooses it all the same.
    connect(bar_, &QTabBar::tabBarClicked, this, [this](int index) {
      if (!none_ || index != bar_->currentIndex()) return;
      none_ = false;
      SendNotify(HandleOf(this), TCN_SELCHANGE);
    });
  }
  QTabBar* Bar() const { return bar_; }
  bool quiet_ = false;
  bool none_ = false;  // no tab selected (TabSetCurSel out of range)

  // The bar along the bottom (or top) edge, as high as its tabs need.
  void LayOut() {
    const int height = bar_->sizeHint().height();
    bar_->setGeometry(0, bottom_ ? this->height() - height : 0, width(), height);
  }

 protected:
  void resizeEvent(QResizeEvent*) override { LayOut(); }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int bar = bar_->sizeHint().height();
    frame.rect = bottom_ ? QRect(0, 0, width(), height() - bar + 1) : QRect(0, bar - 1, width(), height() - bar + 1);
    frame.shape = bar_->shape();
    frame.tabBarSize = bar_->sizeHint();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    // The panel in the window's colour, the one the pages' statics fill themselves with.
    painter.fillRect(frame.rect.adjusted(2, 2, -2, -2), palette().color(QPalette::Window));
  }

 private:
  QTabBar* bar_;
  bool bottom_;
};

TabControl* TabsOf(tk::Window window) {
  const Node* node = NodeOf(window);
  return node && node->kind == Kind::kTabs ? static_cast<TabControl*>(node->widget.data()) : nullptr;
}

}  // namespace

QWidget* MakeTabControl(QWidget* parent, std::uint32_t style) { return new TabControl(parent, style & TCS_BOTTOM); }

}  // namespace qttk

namespace tk {

using namespace qttk;

int TabInsertItem(Window window, int position, std::string_view text, std::intptr_t data) {
  TabControl* tabs = TabsOf(window);
  if (tabs == nullptr || position < 0) return -1;
  tabs->quiet_ = true;  // the first tab becomes the selected one, quietly, as in Windows
  const int at = tabs->Bar()->insertTab(position, FromCp1252(text));
  tabs->Bar()->setTabData(at, QVariant::fromValue<qlonglong>(data));
  tabs->quiet_ = false;
  tabs->LayOut();
  return at;
}

void TabSetCurSel(Window window, int position) {
  TabControl* tabs = TabsOf(window);
  if (tabs == nullptr) return;
  const bool valid = position >= 0 && position < tabs->Bar()->count();
  tabs->quiet_ = true;
  if (valid) tabs->Bar()->setCurrentIndex(position);
  tabs->quiet_ = false;
  tabs->none_ = !valid;
}

int TabGetCurSel(Window window) {
  const TabControl* tabs = TabsOf(window);
  return tabs && !tabs->none_ ? tabs->Bar()->currentIndex() : -1;
}

bool TabGetItemData(Window window, int position, std::intptr_t& data) {
  const TabControl* tabs = TabsOf(window);
  if (tabs == nullptr || position < 0 || position >= tabs->Bar()->count()) return false;
  data = static_cast<std::intptr_t>(tabs->Bar()->tabData(position).toLongLong());
  return true;
}

}  // namespace tk
