// The main window and its widgets as designed: the panel Pan filling the
// client area and carrying the drive list Li, the result list L, the
// buttons Yes and Esc, the query field E, the speed buttons AZ and X2 and
// the status line Pa, each placed by the designed layout and its anchors
// whenever Pan changes size.
//
// Geometry as the program sees it counts the window's frame: left, top,
// width and height are those of the outer rectangle. The frame is known
// only once the window manager has framed the window; when it becomes
// known the client area is narrowed to keep the outer width, and its
// height, and so Pan's, stays as it was unless the frame would then reach
// below the screen.
//
// The window never grows taller than its screen's available area allows,
// and has a minimum size that keeps both lists, the buttons, the query
// field and the status line usable.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/qt/caption_panel.h"
#include "platform/qt/list_view.h"

namespace zbk {

class QtWindow : public QWidget {
 public:
  QtWindow();

  ListView& li() { return *li_; }
  ListView& l() { return *l_; }
  QPushButton& yes() { return *yes_; }
  QPushButton& esc() { return *esc_; }
  QLineEdit& e() { return *e_; }
  QToolButton& az() { return *az_; }
  QToolButton& x2() { return *x2_; }
  CaptionPanel& pa() { return *pa_; }
  CaptionPanel& pan() { return *pan_; }

  void SetOuterLeft(int left);
  void SetOuterTop(int top);
  void SetOuterWidth(int width);
  // Stops at the bottom of the screen's available area.
  void SetOuterHeight(int height);
  int OuterHeight() const;
  // Pan's size; it keeps its distance to the client area's right and
  // bottom edges as the window changes size.
  void SetPanSize(int width, int height);

  // Asked before the window closes; false keeps it open.
  void SetCloseGuard(std::function<bool()> guard) { close_guard_ = std::move(guard); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QMargins Frame() const;
  int MostOuterHeight() const;
  void FitFrame();
  void LayOutPan();

  CaptionPanel* pan_;
  ListView* li_;
  ListView* l_;
  QPushButton* yes_;
  QPushButton* esc_;
  QLineEdit* e_;
  QToolButton* az_;
  QToolButton* x2_;
  CaptionPanel* pa_;

  QPoint outer_position_;
  int outer_width_;
  QMargins frame_;  // as last taken into account
  bool frame_fitted_ = false;
  int pan_right_gap_ = 0;
  int pan_bottom_gap_ = 0;
  std::function<bool()> close_guard_;
};

}  // namespace zbk
