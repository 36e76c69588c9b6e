// SysListView32 in report view: a tree widget without tree decorations.
#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>

#include "backends/qt/controls.h"
#include "backends/qt/graphics.h"
#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

constexpr int kDataRole = Qt::UserRole;

class ListView : public QTreeWidget {
 public:
  explicit ListView(QWidget* parent) : QTreeWidget(parent) {}
  tk::ImageList images;

 protected:
  // A double-click selects the row under the mouse and is reported, on a
  // row or not, as the list view reports it (NM_DBLCLK).
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) SendNotify(HandleOf(this), NM_DBLCLK);
  }
};

ListView* ListOf(tk::Window window) {
  const Node* node = NodeOf(window);
  return node && node->kind == Kind::kListView ? static_cast<ListView*>(node->widget.data()) : nullptr;
}

}  // namespace

QWidget* MakeListView(QWidget* parent, std::uint32_t style) {
  auto* list = new ListView(parent);
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setColumnCount(0);
  list->setSelectionMode((style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);
  list->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // columns wider than the view scroll
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->header()->setSectionsMovable(false);
  list->header()->setSectionsClickable(false);
  list->header()->setStretchLastSection(false);
  list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return list;
}

}  // namespace qttk

namespace tk {

using namespace qttk;

int ListViewInsertColumn(Window window, int column, int width, std::string_view title) {
  ListView* list = ListOf(window);
  if (list == nullptr || column < 0) return -1;
  const int count = list->columnCount();
  const int at = std::min(column, count);
  QTreeWidgetItem* header = list->headerItem();
  // Columns after `at` move one place right, with their titles and widths.
  list->setColumnCount(count + 1);
  for (int c = count; c > at; --c) {
    header->setText(c, header->text(c - 1));
    list->setColumnWidth(c, list->columnWidth(c - 1));
  }
  header->setText(at, FromCp1252(title));
  list->setColumnWidth(at, width);
  return at;
}

int ListViewInsertItem(Window window, int row, std::string_view text, int image, std::intptr_t data) {
  ListView* list = ListOf(window);
  if (list == nullptr || row < 0) return -1;
  const int at = std::min(row, list->topLevelItemCount());
  auto* item = new QTreeWidgetItem;
  item->setText(0, FromCp1252(text));
  item->setData(0, kDataRole, QVariant::fromValue<qlonglong>(data));
  if (image != kNoImage) {
    item->setData(0, kDataRole + 1, image);
    const QPixmap pixmap = ImageListPixmap(list->images, image);
    if (!pixmap.isNull()) item->setIcon(0, QIcon(pixmap));
  }
  list->insertTopLevelItem(at, item);
  return at;
}

bool ListViewSetItemText(Window window, int row, int sub_item, std::string_view text) {
  ListView* list = ListOf(window);
  if (list == nullptr || row < 0 || row >= list->topLevelItemCount() || sub_item < 0) return false;
  if (sub_item > 0 && sub_item >= list->columnCount()) return false;
  list->topLevelItem(row)->setText(sub_item, FromCp1252(text));
  return true;
}

void ListViewDeleteAll(Window window) {
  if (ListView* list = ListOf(window)) list->clear();
}

int ListViewSelectedRow(Window window) {
  const ListView* list = ListOf(window);
  if (list == nullptr) return -1;
  for (int row = 0; row < list->topLevelItemCount(); ++row)
    if (list->topLevelItem(row)->isSelected()) return row;
  return -1;
}

std::intptr_t ListViewItemData(Window window, int row) {
  const ListView* list = ListOf(window);
  if (list == nullptr || row < 0 || row >= list->topLevelItemCount()) return 0;
  return static_cast<std::intptr_t>(list->topLevelItem(row)->data(0, kDataRole).toLongLong());
}

void ListViewSetSmallImages(Window window, ImageList images) {
  ListView* list = ListOf(window);
  if (list == nullptr) return;
  list->images = images;
  list->setIconSize(QSize(16, 16));
}

void ListViewRedrawItems(Window window, int, int) {
  if (ListView* list = ListOf(window)) list->viewport()->update();
}

}  // namespace tk
