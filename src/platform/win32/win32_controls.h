// The query field E (a single-line edit) and the status line Pa (a static
// text with a sunken edge), with their texts converted at the edge.
#pragma once

#include <windows.h>

#include "platform/toolkit.h"

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

// The text of a window, in Windows-1250.
std::string WindowText(HWND hwnd);

// Puts a Windows-1250 text on the clipboard as Unicode text; false when
// the clipboard cannot be had.
bool CopyToClipboard(HWND owner, std::string_view text);

}  // namespace zbk
