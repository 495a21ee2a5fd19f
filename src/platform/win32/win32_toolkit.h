// The window in native Win32 controls: the main window Fo with the list
// boxes Li and L, the buttons Yes and Esc, the query field E, the speed
// buttons AZ and X2 with their tooltips, the status line Pa and the timer
// Ti, all in the window's font (Consolas bold, or what fits in its place).
// Widgets stand where the layout places them on the panel Pan, which fills
// the client area. The message loop handles Tab, Enter and Esc as a dialog
// does, Ctrl+A in the query field and Ctrl+C in the lists. Every event
// reaches the handlers through the WindowDelivery; a handler's error is
// shown in a message box.
//
// The layout is designed for 96 pixels per inch. On a denser screen every
// pixel number of it is scaled by DPI/96; the core still sees the designed
// pixels (the window's sizes, the screen's width, Pan), converted here, so
// that its Pan of 587 pixels is 587 scaled on the screen. A window moved to
// a monitor of another density lays itself out anew.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/dpi.h"
#include "platform/win32/glyph_button.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_list_box.h"
#include "platform/window_delivery.h"
#include "window/layout.h"
#include "window/window_state.h"

namespace zbk {

class Win32Toolkit : public WindowDelivery {
 public:
  // Creates the window and its widgets, not yet shown; throws
  // std::runtime_error when the system gives no window.
  Win32Toolkit();
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  Widgets widgets();

  // The message loop, until the window is gone; the program's exit code.
  int Run();

  HWND window() const { return window_; }
  HWND ControlWindow(WidgetId id) const;
  HWND tooltips() const { return tooltips_; }
  // The window is destroyed (it closes a moment after closed()).
  bool destroyed() const { return destroyed_; }
  Dpi dpi() const { return dpi_; }
  HFONT font() const { return font_; }
  Win32ListBox& li() { return *li_; }
  Win32ListBox& l() { return *l_; }
  GlyphButton& yes() { return *yes_; }
  Win32EditField& e() { return *e_; }
  Win32Panel& pa() { return *pa_; }

  // MainWindow, in the layout's pixels
  void SetCaption(std::string_view caption) override;
  int ScreenWidth() const override;
  void SetLeft(int left) override;
  void SetTop(int top) override;
  void SetWidth(int width) override;
  int Height() const override;
  void SetHeight(int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetPanelSize(int width, int height) override;
  int PanelHeight() const override { return dpi_.Unscale(pan_height_); }
  void ProcessMessages() override;

  // The main window's messages (RouteMessages).
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr UINT kCloseNow = WM_APP + 1;  // posted: destroy the window now

  void CreateWidgets();
  void ApplyDpi(Dpi dpi);
  void CopySelectedRow(const Win32ListBox& list);
  void AddTooltip(HWND tool, std::string_view text);
  void AddLabel(HWND control, std::string_view name);
  void OnCommand(int id, int code);
  void OnResize(int client_width, int client_height);
  void PlaceWidgets();
  void PaintPanel();
  void Dispatch(MSG& msg);
  bool HandleKey(const MSG& msg);
  HWND ControlWindow(FocusControl control) const;
  void SyncLists();
  // WindowDelivery
  void ShowWindow() override;
  void MoveFocus(FocusControl control) override { SetFocus(ControlWindow(control)); }
  void StartTimer() override { SetTimer(window_, kTimerId, kTimerInterval, nullptr); }
  void CloseWindow() override { PostMessageW(window_, kCloseNow, 0, 0); }
  void ShowErrorBox(std::string_view message) override;
  void HandlerReturned() override { SyncLists(); }
  void SetBounds(int left, int top, int width, int height);

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  HICON small_icon_ = nullptr;
  HICON big_icon_ = nullptr;
  HWND tooltips_ = nullptr;
  std::unique_ptr<Win32ListBox> li_;
  std::unique_ptr<Win32ListBox> l_;
  std::unique_ptr<GlyphButton> yes_;
  std::unique_ptr<GlyphButton> esc_;
  std::unique_ptr<Win32EditField> e_;
  std::unique_ptr<GlyphButton> az_;
  std::unique_ptr<GlyphButton> x2_;
  std::unique_ptr<Win32Panel> pa_;

  // In screen pixels.
  Dpi dpi_;
  int client_width_ = 0;
  int client_height_ = 0;
  int pan_width_ = kDesignedPanWidth;
  int pan_height_ = kDesignedPanHeight;

  bool destroyed_ = false;
};

}  // namespace zbk
