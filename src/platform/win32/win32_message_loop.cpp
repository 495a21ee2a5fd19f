// The message loop of the window: dialog keys and the editing keys, and
// the rows of the lists brought to their controls before each wait.
#include "platform/win32/key_action.h"
#include "platform/win32/win32_toolkit.h"

namespace zbk {
namespace {

bool KeyDown(int key) {
  return GetKeyState(key) < 0;
}

}  // namespace

void Win32Toolkit::ShowWindow() {
  ::ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
}

int Win32Toolkit::Run() {
  MSG msg{};
  while (!destroyed_) {
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
  if (destroyed_) return;
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
  if (msg.message != WM_KEYDOWN || closed()) return false;
  if (msg.hwnd != window_ && IsChild(window_, msg.hwnd) == FALSE) return false;
  const KeyAction action =
      KeyActionOf(msg.wParam, KeyDown(VK_SHIFT), KeyDown(VK_CONTROL), KeyDown(VK_MENU));
  switch (action) {
    case KeyAction::kNone:
      return false;
    case KeyAction::kDefaultButton:
      if (yes_->Enabled()) Deliver(WindowEvent::kActionClicked);
      return true;
    case KeyAction::kCancelButton:
      Deliver(WindowEvent::kStopClicked);
      return true;
    case KeyAction::kNextControl:
    case KeyAction::kPreviousControl:
      MoveFocus(NextByTab(action == KeyAction::kNextControl));
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

}  // namespace zbk
