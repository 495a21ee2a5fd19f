#include "platform/win32/dpi.h"

namespace zbk {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

Dpi WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  int value = 0;
  if (get_dpi_for_window != nullptr && window != nullptr) {
    value = static_cast<int>(get_dpi_for_window(window));
  }
  if (value <= 0) {
    const HDC screen = GetDC(nullptr);
    value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return Dpi{value > 0 ? value : kDesignedDpi};
}

void BecomeDpiAware() {
  using SetContextFunction = BOOL(WINAPI*)(HANDLE);
  static const auto set_context =
      User32Function<SetContextFunction>("SetProcessDpiAwarenessContext");
  // Per monitor (version 2, else 1), as Zbk.exe's manifest asks; else the
  // system's density.
  if (set_context != nullptr && (set_context(reinterpret_cast<HANDLE>(INT_PTR{-4})) != FALSE ||
                                 set_context(reinterpret_cast<HANDLE>(INT_PTR{-3})) != FALSE)) {
    return;
  }
  SetProcessDPIAware();
}

}  // namespace zbk
