// How every toolkit delivers the window's events to its handlers, written
// once: each toolkit derives from WindowDelivery and adds only what is its
// own (showing the window, moving the focus, the timer, closing, a message
// box).
//
// - Start: kCreated is delivered, then the window shows, the drive list
//   (FocusControl::kLi) takes the input focus and the timer starts.
// - A control's "entered" event (kDriveListEntered, kResultListEntered,
//   kQueryEntered) is delivered when the focus moves to it from another
//   control: once, however many ways the toolkit tells of the move.
// - Handlers nest: one that processes messages lets others run. The window
//   closes only when none runs: a close asked for inside a handler, by the
//   program or by the title bar, waits for the outermost one to return. No
//   handler runs after the window has closed.
// - An error that aborts a handler ends it there (its remaining steps do not
//   run) and goes to the error report: a file error with its message, any
//   other with "Błąd programu: " and its text. Nothing unwinds into the
//   toolkit.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "ports/toolkit.h"

namespace zbk {

class WindowDelivery : public MainWindow {
 public:
  // Delivers kCreated, shows the window with the focus in the drive list,
  // starts the timer.
  void Start(WindowHandlers& handlers);
  // Error reports go to `sink` instead of a message box.
  void SetErrorSink(std::function<void(std::string_view)> sink) { error_sink_ = std::move(sink); }
  // No handler runs any more.
  bool closed() const { return closed_; }
  // The control whose "entered" event was delivered last; none before the
  // window shows.
  std::optional<FocusControl> focus() const { return entered_; }

  void Close() final;
  bool Closing() const final { return close_requested_ || closed_; }

 protected:
  // Runs the event's handler, unless the window has closed.
  void Deliver(WindowEvent event);
  // The control received the input focus.
  void Entered(FocusControl control);
  // The system asks to close the window (Qt's close event): true when it
  // may close now, and then it counts as closed; otherwise CloseWindow()
  // closes it when the outermost handler has returned.
  bool MayClose();
  // The toolkit is going: nothing reaches the handlers any more.
  void Detach();
  // The control Tab (or Shift+Tab) moves the focus to.
  FocusControl NextByTab(bool forward) const;

 private:
  virtual void ShowWindow() = 0;
  // Gives the control the input focus; Entered() follows.
  virtual void MoveFocus(FocusControl control) = 0;
  virtual void StartTimer() = 0;
  // Closes the window now; called once, when no handler runs.
  virtual void CloseWindow() = 0;
  virtual void ShowErrorBox(std::string_view message) = 0;
  // After every handler, also a nested one.
  virtual void HandlerReturned() {}

  void ShowError(std::string_view message);

  WindowHandlers* handlers_ = nullptr;
  std::function<void(std::string_view)> error_sink_;
  std::optional<FocusControl> entered_;
  bool shown_ = false;
  int depth_ = 0;
  bool close_requested_ = false;
  bool closed_ = false;
};

}  // namespace zbk
