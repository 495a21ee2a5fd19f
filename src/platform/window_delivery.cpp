#include "platform/window_delivery.h"

#include <exception>

#include "ports/os.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

WindowEvent EnteredEvent(FocusControl control) {
  switch (control) {
    case FocusControl::kLi:
      return WindowEvent::kDriveListEntered;
    case FocusControl::kL:
      return WindowEvent::kResultListEntered;
    case FocusControl::kE:
      break;
  }
  return WindowEvent::kQueryEntered;
}

}  // namespace

void WindowDelivery::Start(WindowHandlers& handlers) {
  handlers_ = &handlers;
  Deliver(WindowEvent::kCreated);
  shown_ = true;
  ShowWindow();
  MoveFocus(FocusControl::kLi);
  StartTimer();
}

void WindowDelivery::Deliver(WindowEvent event) {
  if (closed_ || handlers_ == nullptr) return;
  ++depth_;
  try {
    handlers_->Run(event);
  } catch (const FileError& error) {
    ShowError(error.Message());
  } catch (const std::exception& error) {
    ShowError(Join("Błąd programu: "_cp, error.what()));
  }
  --depth_;
  HandlerReturned();
  if (depth_ == 0 && close_requested_ && !closed_) {
    closed_ = true;
    CloseWindow();
  }
}

void WindowDelivery::Entered(FocusControl control) {
  if (!shown_ || closed_ || entered_ == control) return;
  entered_ = control;
  Deliver(EnteredEvent(control));
}

void WindowDelivery::Close() {
  if (!closed_ && MayClose()) CloseWindow();
}

bool WindowDelivery::MayClose() {
  if (closed_) return true;
  if (depth_ > 0) {
    close_requested_ = true;
    return false;
  }
  closed_ = true;
  return true;
}

void WindowDelivery::Detach() {
  handlers_ = nullptr;
  closed_ = true;
}

FocusControl WindowDelivery::NextByTab(bool forward) const {
  switch (entered_.value_or(FocusControl::kE)) {
    case FocusControl::kLi:
      return forward ? FocusControl::kL : FocusControl::kE;
    case FocusControl::kL:
      return forward ? FocusControl::kE : FocusControl::kLi;
    case FocusControl::kE:
      break;
  }
  return forward ? FocusControl::kLi : FocusControl::kL;
}

void WindowDelivery::ShowError(std::string_view message) {
  if (error_sink_) return error_sink_(message);
  ShowErrorBox(message);
}

}  // namespace zbk
