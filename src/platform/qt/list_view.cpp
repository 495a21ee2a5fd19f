#include "platform/qt/list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/qt/row_model.h"
#include "window/layout.h"

namespace zbk {
namespace {

constexpr int kTextIndent = 2;

// Paints a row as a classic list box does: the text from the left edge,
// the selected row in the highlight colours, the focus frame around the
// current row.
class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect frame;
      frame.QStyleOption::operator=(option);
      frame.backgroundColor =
          option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
      const QWidget* widget = option.widget;
      QStyle* style = widget ? widget->style() : nullptr;
      if (style) style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, widget);
    }
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight};
  }
};

}  // namespace

ListView::ListView(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new RowDelegate(this));
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setShowGrid(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  horizontalHeader()->hide();
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(kListRowHeight);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void ListView::SetScrollsSideways(bool on) {
  sideways_ = on;
  setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollMode(on ? QAbstractItemView::ScrollPerPixel
                             : QAbstractItemView::ScrollPerItem);
  horizontalHeader()->setStretchLastSection(!on);
  FitColumn();
}

// The column is as wide as the view, or as the longest row with the text's
// indent on both sides.
void ListView::FitColumn() {
  if (!sideways_ || model() == nullptr || model()->columnCount() == 0) return;
  const auto* rows = dynamic_cast<const RowModel*>(model());
  const int characters = rows != nullptr ? rows->widest() : 0;
  const int text = 2 * kTextIndent + characters * fontMetrics().horizontalAdvance(QLatin1Char('0'));
  const int width = std::max(viewport()->width(), text);
  if (columnWidth(0) != width) setColumnWidth(0, width);
}

void ListView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitColumn();
}

void ListView::rowsInserted(const QModelIndex& parent, int start, int end) {
  QTableView::rowsInserted(parent, start, end);
  FitColumn();
}

void ListView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                           const QList<int>& roles) {
  QTableView::dataChanged(top_left, bottom_right, roles);
  FitColumn();
}

void ListView::reset() {
  QTableView::reset();
  FitColumn();
}

void ListView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelectedRow();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ListView::CopySelectedRow() const {
  if (selectionModel() == nullptr) return;
  const QModelIndexList selected = selectionModel()->selectedRows();
  if (selected.isEmpty()) return;
  QGuiApplication::clipboard()->setText(selected.first().data(Qt::DisplayRole).toString());
}

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const int rows = model() ? model()->rowCount() : 0;
  if (rows > 0 && action == MoveHome) return model()->index(0, 0);
  if (rows > 0 && action == MoveEnd) return model()->index(rows - 1, 0);
  return QTableView::moveCursor(action, modifiers);
}

}  // namespace zbk
