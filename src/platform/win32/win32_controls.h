// The query field E (a single-line edit) and the status line Pa (a static
// text with a sunken edge), with their texts converted at the edge.
#pragma once

#include <windows.h>

#include "ports/toolkit.h"

namespace zbk {

class Win32EditField : public EditField {
 public:
  Win32EditField(HWND parent, int id, std::string_view text);
  HWND hwnd() const { return hwnd_; }
  std::string Text() const override;
  void SetText(std::string_view text);
  void Focus() override;

 private:
  HWND hwnd_;
};

class Win32Panel : public Panel {
 public:
  Win32Panel(HWND parent, int id, std::string_view caption);
  HWND hwnd() const { return hwnd_; }
  void SetCaption(std::string_view caption) override;
  std::string Caption() const;

 private:
  HWND hwnd_;
};

// The window procedure of a window whose messages go to the object of type
// T its GWLP_USERDATA points to, through T::Handle(); to DefWindowProcW
// while it points to none.
template <typename T>
LRESULT CALLBACK RoutedProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (object == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  return object->Handle(message, wparam, lparam);
}

// Sends the window's messages to `object` from now on.
template <typename T>
void RouteMessages(HWND hwnd, T* object) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RoutedProcedure<T>));
}

// The text of a window, in Windows-1250.
std::string WindowText(HWND hwnd);

// Puts a Windows-1250 text on the clipboard as Unicode text; false when
// the clipboard cannot be had.
bool CopyToClipboard(HWND owner, std::string_view text);

}  // namespace zbk
