#include "platform/qt/qt_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <climits>

#include "platform/qt/glyph_button.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_font.h"
#include "window/layout.h"
#include "window/window_words.h"

namespace zbk {
namespace {

// The smallest window that keeps everything usable: five rows in each
// list, a result list of some twenty columns beside the drive list, the
// buttons, the query field and the status line.
constexpr int kMinimumRows = 5;
constexpr int kMinimumResultListWidth = 200;

QPushButton* PushButton(QWidget* parent, QStyle::StandardPixmap glyph, std::string_view caption) {
  auto* button = new QPushButton(parent->style()->standardIcon(glyph), ToQString(caption), parent);
  button->setFocusPolicy(Qt::NoFocus);  // no tab stop; a click leaves the focus where it is
  button->setAutoDefault(false);
  return button;
}

}  // namespace

QtWindow::QtWindow() : outer_width_(kDesignedPanWidth) {
  setFont(WindowFont());
  setWindowIcon(ProgramIcon());
  pan_ = new CaptionPanel(this, QStringLiteral("Pan"), Qt::AlignHCenter);
  li_ = new ListView(pan_);
  li_->viewport()->setCursor(Qt::PointingHandCursor);
  li_->setAccessibleName(ToQString(kDriveListName));
  l_ = new ListView(pan_);
  l_->setAccessibleName(ToQString(kResultListName));
  l_->SetScrollsSideways(true);
  yes_ = PushButton(pan_, QStyle::SP_DialogYesButton, CommandCaption(kFirstCommand));
  yes_->setDefault(true);
  esc_ = PushButton(pan_, QStyle::SP_DialogCancelButton, kStopCaption);
  e_ = new QLineEdit(ToQString(kQueryPrompt), pan_);
  e_->setAccessibleName(ToQString(kQueryFieldName));
  az_ = new GlyphButton(pan_, SortGlyph, ToQString(kSortHint), ToQString(kSortName));
  az_->setCursor(Qt::PointingHandCursor);
  x2_ =
      new GlyphButton(pan_, EqualSizeGlyphs, ToQString(kEqualSizeHint), ToQString(kEqualSizeName));
  pa_ = new CaptionPanel(pan_, ToQString(kFirstStatus), Qt::AlignLeft);
  pa_->setAccessibleName(ToQString(kStatusLineName));
  QWidget::setTabOrder(li_, l_);
  QWidget::setTabOrder(l_, e_);
  const Rect designed_l = Place(WidgetId::kL, kDesignedPanWidth, kDesignedPanHeight);
  setMinimumSize(kDesignedPanWidth - designed_l.width + kMinimumResultListWidth,
                 kDesignedPanHeight - designed_l.height + 4 + kMinimumRows * kListRowHeight);
  resize(kDesignedPanWidth, kDesignedPanHeight);  // at least the minimum
  SetPanSize(width(), height());
}

QMargins QtWindow::Frame() const {
  const QWindow* handle = windowHandle();
  return (handle != nullptr && isVisible()) ? handle->frameMargins() : frame_;
}

void QtWindow::SetOuterLeft(int left) {
  outer_position_.setX(left);
  move(outer_position_);
}

void QtWindow::SetOuterTop(int top) {
  outer_position_.setY(top);
  move(outer_position_);
}

void QtWindow::SetOuterWidth(int width) {
  outer_width_ = width;
  const QMargins frame = Frame();
  resize(std::max(1, width - frame.left() - frame.right()), height());
  LayOutPan();
}

void QtWindow::SetOuterHeight(int height) {
  const QMargins frame = Frame();
  height = std::min(height, MostOuterHeight());
  resize(width(), std::max(1, height - frame.top() - frame.bottom()));
  LayOutPan();
}

// From the top the program set down to the bottom of the area its screen
// leaves to windows (panels and docks excluded); a window placed above that
// area is moved into it by the window manager.
int QtWindow::MostOuterHeight() const {
  const QPoint at = outer_position_;
  const QScreen* screen = QGuiApplication::screenAt(at);
  if (screen == nullptr) screen = this->screen();
  if (screen == nullptr) return INT_MAX;
  const QRect area = screen->availableGeometry();
  return std::max(1, area.bottom() + 1 - std::max(at.y(), area.top()));
}

int QtWindow::OuterHeight() const {
  const QMargins frame = Frame();
  return height() + frame.top() + frame.bottom();
}

void QtWindow::SetPanSize(int width, int height) {
  pan_right_gap_ = this->width() - width;
  pan_bottom_gap_ = this->height() - height;
  LayOutPan();
}

void QtWindow::LayOutPan() {
  const int w = std::max(0, width() - pan_right_gap_);
  const int h = std::max(0, height() - pan_bottom_gap_);
  pan_->setGeometry(0, 0, w, h);
  const std::pair<WidgetId, QWidget*> widgets[] = {
      {WidgetId::kLi, li_}, {WidgetId::kL, l_},   {WidgetId::kYes, yes_}, {WidgetId::kEsc, esc_},
      {WidgetId::kE, e_},   {WidgetId::kAZ, az_}, {WidgetId::kX2, x2_},   {WidgetId::kPa, pa_},
  };
  for (const auto& [id, widget] : widgets) {
    const Rect r = Place(id, w, h);
    widget->setGeometry(r.left, r.top, r.width, r.height);
  }
}

// The first time the window manager's frame is known, the client area
// gives way to it so that the outer width stays what the program set, and
// so that the frame's bottom edge stays on the screen.
void QtWindow::FitFrame() {
  if (frame_fitted_ || !isVisible() || windowHandle() == nullptr) return;
  const QMargins frame = windowHandle()->frameMargins();
  if (frame == frame_) return;
  frame_ = frame;
  frame_fitted_ = true;
  const int most_height = MostOuterHeight() - frame.top() - frame.bottom();
  resize(std::max(1, outer_width_ - frame.left() - frame.right()),
         std::max(1, std::min(height(), most_height)));
}

void QtWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutPan();
  FitFrame();
}

void QtWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitFrame();
}

void QtWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitFrame();
}

void QtWindow::closeEvent(QCloseEvent* event) {
  if (close_guard_ && !close_guard_()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace zbk
