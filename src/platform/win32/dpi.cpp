#include "platform/win32/dpi.h"

namespace zbk {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

// One axis of ScaledPlace: as Place() does it, with the designed distances
// scaled.
void PlaceAxis(int& start, int& length, bool at_start, bool at_end, int designed_pan, int pan,
               Dpi dpi) {
  const int far_gap = dpi.Scale(designed_pan - (start + length));
  start = dpi.Scale(start);
  length = dpi.Scale(length);
  if (at_start && at_end) {
    length = pan - far_gap - start;
  } else if (at_end) {
    start = pan - far_gap - length;
  }
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

Rect ScaledPlace(WidgetId id, int pan_width, int pan_height, Dpi dpi) {
  for (const auto& widget : kLayout) {
    if (widget.id != id) continue;
    Rect r = widget.rect;
    PlaceAxis(r.left, r.width, widget.anchors.left, widget.anchors.right, kDesignedPanWidth,
              pan_width, dpi);
    PlaceAxis(r.top, r.height, widget.anchors.top, widget.anchors.bottom, kDesignedPanHeight,
              pan_height, dpi);
    return r;
  }
  return {};
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
