#include "platform/qt/list_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "app/layout.h"

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

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const int rows = model() ? model()->rowCount() : 0;
  if (rows > 0 && action == MoveHome) return model()->index(0, 0);
  if (rows > 0 && action == MoveEnd) return model()->index(rows - 1, 0);
  return QTableView::moveCursor(action, modifiers);
}

}  // namespace zbk
