#include "win32/real_window.h"

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"

namespace zbk::testing {
namespace {

Win32Toolkit DpiAwareToolkit() {
  BecomeDpiAware();  // as the manifest makes Zbk.exe
  return Win32Toolkit();
}

}  // namespace

Win32Rig::Win32Rig() : toolkit(DpiAwareToolkit()), fo(Os{drives, files, hosts}, toolkit.widgets()) {
  Attach(toolkit, fo);
}

Win32Rig::~Win32Rig() {
  // A window that closed asked its loop to end; the next test has its own.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void Win32Rig::Start() {
  toolkit.Start(handlers);
  Pump();
}

void Win32Rig::Tick() {
  PostMessageW(toolkit.window(), WM_TIMER, 1, 0);
  Pump();
}

void Win32Rig::Post(WPARAM key) {
  HWND focus = GetFocus();
  PostMessageW(focus != nullptr ? focus : toolkit.window(), WM_KEYDOWN, key, 1);
}

void Win32Rig::PressWithCtrl(WPARAM key) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  Press(key);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

Rect Win32Rig::Bounds(WidgetId id) const {
  RECT r;
  GetWindowRect(toolkit.ControlWindow(id), &r);
  MapWindowPoints(nullptr, toolkit.window(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Rig::Queue(UserAction action) {
  switch (action) {
    case UserAction::kTab:
      return Post(VK_TAB);
    case UserAction::kEnter:
      return Post(VK_RETURN);
    case UserAction::kEsc:
      return Post(VK_ESCAPE);
    case UserAction::kClickYes:
      PostMessageW(toolkit.ControlWindow(WidgetId::kYes), BM_CLICK, 0, 0);
      return;
    case UserAction::kCloseByTitleBar:
      PostMessageW(toolkit.window(), WM_CLOSE, 0, 0);
      return;
  }
}

void Win32Rig::SetQuery(std::string_view cp1250) {
  SetWindowTextW(toolkit.ControlWindow(WidgetId::kE), WideFromCp1250(cp1250).c_str());
}

std::optional<FocusControl> Win32Rig::Focused() const {
  const HWND focus = GetFocus();
  if (focus == toolkit.ControlWindow(WidgetId::kLi)) return FocusControl::kLi;
  if (focus == toolkit.ControlWindow(WidgetId::kL)) return FocusControl::kL;
  if (focus == toolkit.ControlWindow(WidgetId::kE)) return FocusControl::kE;
  return std::nullopt;
}

}  // namespace zbk::testing
