#include "platform/win32/win32_controls.h"

#include <cstring>

#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

HWND CreateChild(DWORD ex_style, const wchar_t* kind, std::string_view text, DWORD style,
                 HWND parent, int id) {
  return CreateWindowExW(ex_style, kind, WideFromCp1250(text).c_str(),
                         WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

std::string WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  const int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return Cp1250FromWide(text);
}

bool CopyToClipboard(HWND owner, std::string_view text) {
  const std::wstring wide = WideFromCp1250(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* const target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (OpenClipboard(owner) == FALSE) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once set, the clipboard owns the memory.
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(memory);
  return set;
}

Win32EditField::Win32EditField(HWND parent, int id, std::string_view text)
    : hwnd_(CreateChild(WS_EX_CLIENTEDGE, L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL, parent, id)) {
}

std::string Win32EditField::Text() const {
  return WindowText(hwnd_);
}

void Win32EditField::SetText(std::string_view text) {
  SetWindowTextW(hwnd_, WideFromCp1250(text).c_str());
}

void Win32EditField::Focus() {
  SetFocus(hwnd_);
}

Win32Panel::Win32Panel(HWND parent, int id, std::string_view caption)
    : hwnd_(CreateChild(WS_EX_STATICEDGE, L"STATIC", caption,
                        SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, parent, id)) {}

void Win32Panel::SetCaption(std::string_view caption) {
  SetWindowTextW(hwnd_, WideFromCp1250(caption).c_str());
}

std::string Win32Panel::Caption() const {
  return WindowText(hwnd_);
}

}  // namespace zbk
