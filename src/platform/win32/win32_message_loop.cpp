// The message loop of the window: dialog keys and the editing keys, the
// focus handlers, delivery of every event to the handlers, and closing once
// no handler runs.
#include <exception>

#include "platform/win32/key_action.h"
#include "platform/win32/win32_toolkit.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

bool KeyDown(int key) {
  return GetKeyState(key) < 0;
}

}  // namespace

void Win32Toolkit::Start(WindowHandlers& handlers) {
  handlers_ = &handlers;
  Fire(Handler::kFCreat);
  shown_ = true;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  li_->Focus();  // LiEnte, unless showing the window has already put the focus there
  SetTimer(window_, kTimerId, kTimerInterval, nullptr);
}

int Win32Toolkit::Run() {
  MSG msg{};
  while (!closed_) {
    SyncLists();
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    Dispatch(msg);
  }
  return 0;
}

void Win32Toolkit::ProcessMessages() {
  SyncLists();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {  // for the loop outside
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void Win32Toolkit::SyncLists() {
  if (closed_) return;
  li_->Sync();
  l_->Sync();
}

void Win32Toolkit::Dispatch(MSG& msg) {
  if (HandleKey(msg)) return;
  // A message box shown by a handler keeps its own keys while messages are
  // processed from inside it.
  const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && root != window_ && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool Win32Toolkit::HandleKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || closed_) return false;
  if (msg.hwnd != window_ && IsChild(window_, msg.hwnd) == FALSE) return false;
  switch (KeyActionOf(msg.wParam, KeyDown(VK_SHIFT), KeyDown(VK_CONTROL), KeyDown(VK_MENU))) {
    case KeyAction::kNone:
      return false;
    case KeyAction::kDefaultButton:
      if (yes_->Enabled()) Fire(Handler::kYClick);
      return true;
    case KeyAction::kCancelButton:
      Fire(Handler::kEClick);
      return true;
    case KeyAction::kNextControl:
      MoveFocusByTab(true);
      return true;
    case KeyAction::kPreviousControl:
      MoveFocusByTab(false);
      return true;
    case KeyAction::kSelectAll:
      if (msg.hwnd != e_->hwnd()) return false;
      SendMessageW(e_->hwnd(), EM_SETSEL, 0, -1);
      return true;
    case KeyAction::kCopy:
      if (msg.hwnd == li_->hwnd()) {
        CopySelectedRow(*li_);
        return true;
      }
      if (msg.hwnd == l_->hwnd()) {
        CopySelectedRow(*l_);
        return true;
      }
      return false;  // the query field copies its own selection
  }
  return false;
}

void Win32Toolkit::CopySelectedRow(const Win32ListBox& list) {
  const int selected = list.Selected();
  if (selected >= 0) CopyToClipboard(window_, list.Row(selected));
}

void Win32Toolkit::MoveFocusByTab(bool forward) {
  Control next = Control::kLi;
  switch (focus_.value_or(Control::kE)) {
    case Control::kLi:
      next = forward ? Control::kL : Control::kE;
      break;
    case Control::kL:
      next = forward ? Control::kE : Control::kLi;
      break;
    case Control::kE:
      next = forward ? Control::kLi : Control::kL;
      break;
  }
  SetFocus(ControlWindow(next));
}

void Win32Toolkit::Entered(Control control) {
  if (!shown_ || focus_ == control) return;
  focus_ = control;
  Fire(EnterHandler(control));
}

void Win32Toolkit::Fire(Handler handler) {
  if (closed_ || handlers_ == nullptr) return;
  ++depth_;
  try {
    Deliver(*handlers_, handler, *this);
  } catch (const std::exception& error) {
    // Nothing may unwind through the system's frames; the handler ends here.
    ShowError(Join("Błąd programu: "_cp, error.what()));
  }
  --depth_;
  SyncLists();  // the rows the handler added are there before the next message
  if (depth_ == 0 && close_requested_) PostMessageW(window_, kCloseNow, 0, 0);
}

void Win32Toolkit::Close() {
  if (closed_) return;
  close_requested_ = true;
  if (depth_ == 0) PostMessageW(window_, kCloseNow, 0, 0);
}

}  // namespace zbk
