// A push button with a glyph and an optional caption, drawn by the program,
// that never takes the input focus: the window's Yes and Esc buttons and the
// speed buttons AZ and X2. A click (or BM_CLICK) sends WM_COMMAND with
// BN_CLICKED to the parent, as a standard button does; a disabled button
// shows its disabled glyph, or its glyph embossed in grey. Glyph, frame
// and gaps are scaled to the screen's density.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/win32_controls.h"
#include "platform/xpm/xpm_image.h"
#include "ports/toolkit.h"

namespace zbk {

struct GlyphButtonLook {
  const Picture* glyph = nullptr;
  const Picture* disabled_glyph = nullptr;  // nullptr: the glyph embossed
  bool is_default = false;                  // the dark frame of the default button
};

class GlyphButton : public Button {
 public:
  GlyphButton(HWND parent, int id, GlyphButtonLook look, std::string_view caption);
  GlyphButton(const GlyphButton&) = delete;
  GlyphButton& operator=(const GlyphButton&) = delete;

  HWND hwnd() const { return hwnd_; }
  void SetDpi(Dpi dpi);

  // Button: the caption in Windows-1250.
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override;
  bool Enabled() const override;
  void SetEnabled(bool on) override;

  // The button's messages (RouteMessages).
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void Paint();
  void SetPressed(bool pressed);
  void Click();

  HWND hwnd_ = nullptr;
  int id_;
  GlyphButtonLook look_;
  std::string caption_;
  HFONT font_ = nullptr;
  Dpi dpi_;
  bool tracking_ = false;  // the left button went down here and is held
  bool pressed_ = false;   // drawn pushed in
};

}  // namespace zbk
