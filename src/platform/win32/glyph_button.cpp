#include "platform/win32/glyph_button.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/glyphs.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

constexpr wchar_t kClassName[] = L"ZbkGlyphButton";
constexpr int kGap = 4;  // between the glyph and the caption

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window once the object is known
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

GlyphButton::GlyphButton(HWND parent, int id, GlyphButtonLook look, std::string_view caption)
    : id_(id), look_(look), caption_(caption) {
  RegisterClassOnce();
  hwnd_ = CreateWindowExW(0, kClassName, WideFromCp1250(caption).c_str(), WS_CHILD | WS_VISIBLE, 0,
                          0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  RouteMessages(hwnd_, this);
}

void GlyphButton::SetCaption(std::string_view caption) {
  caption_ = caption;
  SetWindowTextW(hwnd_, WideFromCp1250(caption).c_str());
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void GlyphButton::SetDpi(Dpi dpi) {
  dpi_ = dpi;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool GlyphButton::Enabled() const {
  return IsWindowEnabled(hwnd_) != FALSE;
}

void GlyphButton::SetEnabled(bool on) {
  EnableWindow(hwnd_, on ? TRUE : FALSE);
}

LRESULT GlyphButton::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // Paint covers everything
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam) != 0) InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      tracking_ = true;
      SetCapture(hwnd_);
      SetPressed(true);
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_) {
        RECT client;
        GetClientRect(hwnd_, &client);
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        SetPressed(PtInRect(&client, at) != FALSE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (tracking_) {
        const bool clicked = pressed_;
        tracking_ = false;
        ReleaseCapture();
        SetPressed(false);
        UpdateWindow(hwnd_);
        if (clicked) Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      tracking_ = false;
      SetPressed(false);
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

void GlyphButton::SetPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void GlyphButton::Click() {
  if (!Enabled()) return;
  SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd_));
}

void GlyphButton::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  RECT face;
  GetClientRect(hwnd_, &face);
  const bool enabled = Enabled();
  const int line = std::max(dpi_.Scale(1), 1);
  if (look_.is_default) {
    for (int i = 0; i < line; ++i) {
      FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      InflateRect(&face, -1, -1);
    }
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0));

  const HGDIOBJ old_font = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  const std::wstring text = WideFromCp1250(caption_);
  SIZE extent{0, 0};
  if (!text.empty()) {
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const Picture* glyph =
      enabled || look_.disabled_glyph == nullptr ? look_.glyph : look_.disabled_glyph;
  const int glyph_width = glyph != nullptr ? dpi_.Scale(glyph->width) : 0;
  const int glyph_height = glyph != nullptr ? dpi_.Scale(glyph->height) : 0;
  const int gap = glyph != nullptr && !text.empty() ? dpi_.Scale(kGap) : 0;
  const int shift = pressed_ ? line : 0;
  const int width = face.right - face.left;
  const int height = face.bottom - face.top;
  int x = face.left + (width - (glyph_width + gap + extent.cx)) / 2 + shift;
  if (glyph != nullptr) {
    const int y = face.top + (height - glyph_height) / 2 + shift;
    if (enabled || look_.disabled_glyph != nullptr) {
      PaintPicture(dc, *glyph, x, y, glyph_width, glyph_height);
    } else {
      PaintDisabledPicture(dc, *glyph, x, y, glyph_width, glyph_height, line);
    }
    x += glyph_width + gap;
  }
  if (!text.empty()) {
    const int y = face.top + (height - extent.cy) / 2 + shift;
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      TextOutW(dc, x + line, y + line, text.c_str(), static_cast<int>(text.size()));
    }
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  }
  if (old_font != nullptr) SelectObject(dc, old_font);
  EndPaint(hwnd_, &ps);
}

}  // namespace zbk
