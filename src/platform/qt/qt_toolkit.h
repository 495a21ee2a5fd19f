// The window toolkit on Qt Widgets: the main window of QtWindow behind the
// toolkit interfaces, its events delivered to the window's handlers.
//
// - A control's enter handler runs whenever the input focus moves to it
//   from another control, by the user or by Focus(); Focus() runs it before
//   it returns, also while the window is not active.
// - The query field, entered by Tab or by Focus(), has its text selected,
//   so that typing replaces it.
// - ProcessMessages handles the events already waiting and never waits.
// - An error that aborts a handler is shown in a message box.
#pragma once

#include <QMetaObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/qt/qt_list_box.h"
#include "platform/qt/qt_widgets.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/window_keys.h"
#include "platform/window_delivery.h"

namespace zbk {

class QtToolkit : public WindowDelivery {
 public:
  // The application object must exist.
  QtToolkit();
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  Widgets widgets();

  QtWindow& window() { return *window_; }
  QtListBox& li() { return li_; }
  QtListBox& l() { return l_; }
  QTimer& timer() { return timer_; }

  // MainWindow
  void SetCaption(std::string_view caption) override;
  int ScreenWidth() const override;
  void SetLeft(int left) override { window_->SetOuterLeft(left); }
  void SetTop(int top) override { window_->SetOuterTop(top); }
  void SetWidth(int width) override { window_->SetOuterWidth(width); }
  int Height() const override { return window_->OuterHeight(); }
  void SetHeight(int height) override { window_->SetOuterHeight(height); }
  int ClientWidth() const override { return window_->width(); }
  int ClientHeight() const override { return window_->height(); }
  void SetPanelSize(int width, int height) override { window_->SetPanSize(width, height); }
  int PanelHeight() const override { return window_->pan().height(); }
  void ProcessMessages() override;

 private:
  // WindowDelivery
  void ShowWindow() override { window_->show(); }
  void MoveFocus(FocusControl control) override;
  void StartTimer() override { timer_.start(); }
  void CloseWindow() override;
  void ShowErrorBox(std::string_view message) override;

  std::optional<FocusControl> ControlOf(const QWidget* widget) const;

  std::unique_ptr<QtWindow> window_;
  QtListBox li_;
  QtListBox l_;
  QtButton yes_;
  QtEditField e_;
  QtPanel pa_;
  WindowKeys keys_;
  QTimer timer_;
  QMetaObject::Connection focus_watch_;
};

}  // namespace zbk
