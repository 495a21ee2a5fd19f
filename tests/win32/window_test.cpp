// The window created for real, as only Win32 has it: its layout at any
// density, the tooltips, the query field's selection, a long result list and
// Ctrl+C. Keys, commands, stopping, closing and errors are the window's
// contract, below.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "contract/list_box_contract.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_font.h"
#include "text/literal.h"
#include "win32/real_window.h"
#include "win32/wine_support.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

int ListCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

int IconSize(HWND window, WPARAM which) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// The layout as designed for 96 pixels per inch, every number scaled to
// the window's density.
TEST_F(RealWindowTest, StartsAcrossTheScreenWithTheDesignedLayoutScaled) {
  const HWND fo = window.window();
  const Dpi dpi = WindowDpi(fo);
  ASSERT_EQ(dpi.value, ExpectedDpi());
  ASSERT_EQ(window.dpi().value, dpi.value);
  const auto s = [dpi](int pixels) { return dpi.Scale(pixels); };
  RECT frame;
  GetWindowRect(fo, &frame);
  EXPECT_EQ(frame.left, s(1));
  EXPECT_EQ(frame.top, s(1));
  EXPECT_EQ(frame.right, GetSystemMetrics(SM_CXSCREEN) - s(1));
  ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), s(768)) << "a screen too low for the whole window";
  EXPECT_EQ(window.ClientHeight(), 587);
  EXPECT_EQ(window.PanelHeight(), 587);
  RECT client;
  GetClientRect(fo, &client);
  EXPECT_EQ(client.bottom, s(587));

  const int w = client.right;
  EXPECT_EQ(rig.Bounds(WidgetId::kLi), (Rect{s(5), s(5), s(411), s(517)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kL), (Rect{s(420), s(5), w - s(425), s(517)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kYes), (Rect{s(5), s(527), s(110), s(25)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kEsc), (Rect{s(120), s(527), s(80), s(25)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kE), (Rect{s(205), s(526), w - s(270), s(27)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kAZ), (Rect{w - s(60), s(527), s(25), s(25)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kX2), (Rect{w - s(30), s(527), s(25), s(25)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kPa), (Rect{s(5), s(557), w - s(10), s(25)}));
  // Inside the sunken border, room for exactly 27 rows.
  const HWND li = window.ControlWindow(WidgetId::kLi);
  const int row = s(19);
  EXPECT_EQ(SendMessageW(li, LB_GETITEMHEIGHT, 0, 0), row);
  EXPECT_EQ(SendMessageW(window.ControlWindow(WidgetId::kL), LB_GETITEMHEIGHT, 0, 0), row);
  RECT inside;
  GetClientRect(li, &inside);
  EXPECT_EQ(inside.bottom / row, 27);

  // Consolas at 16 pixels scaled where it is installed; whatever the font,
  // a drive row fits the list's width and a line the row's height.
  LOGFONTW font{};
  ASSERT_NE(GetObjectW(window.font(), sizeof font, &font), 0);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET);
  if (std::wstring(font.lfFaceName) == L"Consolas") {
    EXPECT_EQ(font.lfHeight, -s(16));
  }
  EXPECT_GE(-font.lfHeight, s(12)) << "a font made smaller than it need be";
  EXPECT_TRUE(FontFits(window.font(), inside.right - 2 * s(2), row));
  EXPECT_EQ(
      reinterpret_cast<HFONT>(SendMessageW(window.ControlWindow(WidgetId::kE), WM_GETFONT, 0, 0)),
      window.font());
  EXPECT_EQ(IconSize(fo, ICON_SMALL), s(16));
  EXPECT_EQ(IconSize(fo, ICON_BIG), s(32));

  EXPECT_EQ(window.li().Count(), 1);
  EXPECT_EQ(window.l().Count(), 26);
  EXPECT_EQ(ListCount(window.ControlWindow(WidgetId::kL)), 26);
  EXPECT_EQ(window.focus(), FocusControl::kLi);
  EXPECT_EQ(GetFocus(), li);
  EXPECT_EQ(rig.YesCaption(), "Analizuj");
  EXPECT_EQ(WindowText(window.ControlWindow(WidgetId::kEsc)), "Wyjdź"_cp);
  EXPECT_EQ(rig.Status(), " Pa");
  EXPECT_EQ(WindowText(fo), "");
  EXPECT_EQ(window.e().Text(), " Wpisz, czego szukasz i naciśnij [Enter]."_cp);
}

TEST_F(RealWindowTest, MovedToAMonitorOfAnotherDensityItLaysItselfOutAgain) {
  const HWND fo = window.window();
  RECT before;
  GetWindowRect(fo, &before);
  LOGFONTW font{};
  GetObjectW(window.font(), sizeof font, &font);
  const LONG height_before = font.lfHeight;
  const Dpi dense{2 * window.dpi().value};
  // The system's suggestion: here, twice the height.
  RECT suggested{before.left, before.top, before.right,
                 before.top + 2 * (before.bottom - before.top)};
  SendMessageW(fo, WM_DPICHANGED, MAKEWPARAM(dense.value, dense.value),
               reinterpret_cast<LPARAM>(&suggested));
  rig.Pump();
  RECT after;
  GetWindowRect(fo, &after);
  EXPECT_TRUE(EqualRect(&after, &suggested));
  EXPECT_EQ(window.dpi().value, dense.value);
  RECT client;
  GetClientRect(fo, &client);
  const auto s = [dense](int pixels) { return dense.Scale(pixels); };
  EXPECT_EQ(rig.Bounds(WidgetId::kLi), (Rect{s(5), s(5), s(411), client.bottom - s(70)}));
  EXPECT_EQ(rig.Bounds(WidgetId::kX2),
            (Rect{client.right - s(30), client.bottom - s(60), s(25), s(25)}));
  EXPECT_EQ(SendMessageW(window.ControlWindow(WidgetId::kL), LB_GETITEMHEIGHT, 0, 0), s(19));
  GetObjectW(window.font(), sizeof font, &font);
  EXPECT_LT(font.lfHeight, height_before);  // larger

  SendMessageW(fo, WM_DPICHANGED, MAKEWPARAM(dense.value / 2, dense.value / 2),
               reinterpret_cast<LPARAM>(&before));
  rig.Pump();
  EXPECT_EQ(rig.Bounds(WidgetId::kLi).height, window.dpi().Scale(517));
}

TEST_F(RealWindowTest, TheSpeedButtonsHaveTheirTooltips) {
  const auto hint = [this](WidgetId id) {
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window.window();
    info.uId = reinterpret_cast<UINT_PTR>(window.ControlWindow(id));
    info.lpszText = text;
    SendMessageW(window.tooltips(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return std::wstring(text);
  };
  EXPECT_EQ(SendMessageW(window.tooltips(), TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(hint(WidgetId::kAZ), L" Sortuj listę ");
  EXPECT_EQ(hint(WidgetId::kX2), L" Porównaj wielkość ");
}

TEST_F(RealWindowTest, WidgetsFollowTheirAnchorsWhenTheWindowIsResized) {
  const int w = window.ClientWidth();
  RECT frame;
  GetWindowRect(window.window(), &frame);
  SetWindowPos(window.window(), nullptr, 0, 0, frame.right - frame.left - 100,
               frame.bottom - frame.top - 200, SWP_NOMOVE | SWP_NOZORDER);
  rig.Pump();
  EXPECT_EQ(rig.Bounds(WidgetId::kLi), (Rect{5, 5, 411, 317}));
  EXPECT_EQ(rig.Bounds(WidgetId::kL), (Rect{420, 5, w - 100 - 425, 317}));
  EXPECT_EQ(rig.Bounds(WidgetId::kYes), (Rect{5, 327, 110, 25}));
  EXPECT_EQ(rig.Bounds(WidgetId::kE), (Rect{205, 326, w - 100 - 270, 27}));
  EXPECT_EQ(rig.Bounds(WidgetId::kX2), (Rect{w - 100 - 30, 327, 25, 25}));
  EXPECT_EQ(rig.Bounds(WidgetId::kPa), (Rect{5, 357, w - 100 - 10, 25}));
}

TEST_F(RealWindowTest, EnteringTheQueryFieldSelectsItsTextAndCtrlASelectsItAgain) {
  const HWND e = window.ControlWindow(WidgetId::kE);
  const auto selection = [e] {
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(e, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::pair{start, end};
  };
  const auto all = std::pair{DWORD{0}, static_cast<DWORD>(window.e().Text().size())};
  rig.Press(VK_TAB);
  rig.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), e);
  EXPECT_EQ(selection(), all);  // typing replaces it
  SendMessageW(e, EM_SETSEL, 3, 3);
  rig.PressWithCtrl('A');
  EXPECT_EQ(selection(), all);
  EXPECT_EQ(window.e().Text(), " Wpisz, czego szukasz i naciśnij [Enter]."_cp);
  // Zmień moves the focus there too.
  SendMessageW(e, EM_SETSEL, 3, 3);
  rig.Press(VK_TAB);
  rig.Press(VK_TAB);
  SendMessageW(window.ControlWindow(WidgetId::kYes), BM_CLICK, 0, 0);
  EXPECT_EQ(selection(), all);
}

TEST_F(RealWindowTest, TheResultListStaysUsableWithHundredsOfThousandsOfRows) {
  ListBox& l = window.l();
  const HWND list = window.ControlWindow(WidgetId::kL);
  l.Clear();
  constexpr int kRows = 300000;
  for (int i = 0; i < kRows; ++i) {
    l.Add(std::to_string(kRows - i) + " row");
  }
  l.Select(kRows - 1);
  rig.Pump();
  EXPECT_EQ(ListCount(list), kRows);
  EXPECT_EQ(l.Selected(), kRows - 1);
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), kRows - 30);

  // Rows added in sorted order, and after it, reach the control's count.
  l.SetSorted(true);
  l.Add("0 row");
  EXPECT_EQ(ListCount(list), kRows + 1);
  l.SetSorted(false);
  l.Add("~ last");
  rig.Pump();
  EXPECT_EQ(ListCount(list), kRows + 2);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"(no clipboard)";
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(RealWindowTest, LongRowsScrollSidewaysAndCtrlCCopiesTheSelectedRow) {
  ListBox& l = window.l();
  const HWND list = window.ControlWindow(WidgetId::kL);
  const auto extent = [list] {
    return static_cast<int>(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0));
  };
  const auto text_width = [this](std::string_view row) {
    const std::wstring wide = WideFromCp1250(row);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, window.font());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return static_cast<int>(size.cx);
  };
  const int indent = window.dpi().Scale(2);
  l.Clear();
  l.Add(" ARCHIWUM.txt: krótki"_cp);
  // The longest row a search shows: a file's name and a line of 500 characters.
  const std::string longest = " ARCHIWUM.txt: " + std::string(487, 'x');
  l.Add(longest);
  l.Add("krótszy"_cp);
  l.Select(1);
  rig.Pump();
  EXPECT_EQ(extent(), text_width(longest) + 2 * indent);
  EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL, 0);  // its scroll bar shows
  SendMessageW(list, WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_GT(GetScrollPos(list, SB_HORZ), 0);

  window.l().Focus();
  rig.PressWithCtrl('C');
  EXPECT_EQ(ClipboardText(), WideFromCp1250(longest));
  window.li().Focus();
  window.li().Select(0);
  rig.Pump();
  rig.PressWithCtrl('C');
  EXPECT_EQ(ClipboardText(), L" ?  typ dysku  nazwa            wolne   w GB");

  l.Clear();
  rig.Pump();
  EXPECT_EQ(extent(), 2 * indent);
}

TEST(HighDensity, TheWindowAndTheProgramAt192PixelsPerInch) {
  if (ExpectedDpi() != 96) GTEST_SKIP() << "already the run at another density";
  const DensityRun run =
      RunAtDensity(192,
                   L"RealWindowTest.StartsAcrossTheScreenWithTheDesignedLayoutScaled:"
                   L"ProgramFile.StartsWithItsWindowAndEndsWithEsc");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.tests, 2);
}

// The names a screen reader says: a speed button's window text, and for
// the lists and the query field the text of the label just above each in
// the z-order. (Wine's oleacc gives no accessible objects to ask.)
TEST_F(RealWindowTest, TheControlsHavePolishNamesForScreenReaders) {
  const auto label = [this](WidgetId id) {
    const HWND above = GetWindow(window.ControlWindow(id), GW_HWNDPREV);
    wchar_t kind[16] = {};
    GetClassNameW(above, kind, 16);
    RECT room{};
    GetWindowRect(above, &room);
    EXPECT_TRUE(IsRectEmpty(&room));
    return std::wstring(kind) == L"Static" ? WindowText(above) : "(no label)";
  };
  EXPECT_EQ(label(WidgetId::kLi), "Lista dysków"_cp);
  EXPECT_EQ(label(WidgetId::kL), "Lista wyników"_cp);
  EXPECT_EQ(label(WidgetId::kE), "Szukane słowa"_cp);
  const auto text = [this](WidgetId id) { return WindowText(window.ControlWindow(id)); };
  EXPECT_EQ(text(WidgetId::kAZ), "Sortuj listę"_cp);
  EXPECT_EQ(text(WidgetId::kX2), "Porównaj wielkość"_cp);
  EXPECT_EQ(text(WidgetId::kYes), "Analizuj");
  EXPECT_EQ(text(WidgetId::kEsc), "Wyjdź"_cp);
}

// On a low screen at 144 pixels per inch (a laptop of 1366 x 768 at 150 %)
// the window stops at the bottom of the work area, the buttons, the query
// field and the status line above it, each list still five rows or more.
TEST_F(RealWindowTest, OnALowScreenTheWindowAndItsStatusLineLieInsideTheWorkArea) {
  if (ExpectedScreen().empty()) GTEST_SKIP() << "run on a low screen by LowScreen.*";
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  const HWND fo = window.window();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(fo, MONITOR_DEFAULTTONEAREST), &monitor));
  RECT frame;
  GetWindowRect(fo, &frame);
  EXPECT_LE(frame.bottom, monitor.rcWork.bottom);
  EXPECT_GE(frame.bottom, monitor.rcWork.bottom - 1);  // as tall as it can be
  RECT status;
  GetWindowRect(window.ControlWindow(WidgetId::kPa), &status);
  EXPECT_GT(status.top, frame.top);
  EXPECT_LE(status.bottom, frame.bottom);
  EXPECT_LE(status.bottom, GetSystemMetrics(SM_CYSCREEN));
  RECT inside;
  GetClientRect(window.ControlWindow(WidgetId::kLi), &inside);
  EXPECT_GE(inside.bottom / window.dpi().ScaleRow(19), 5);
  EXPECT_LT(window.PanelHeight(), 587);
}

TEST(LowScreen, TheWindowFitsA1366By768ScreenAt144PixelsPerInch) {
  if (ExpectedDpi() != 96) GTEST_SKIP() << "already the run at another density";
  const DensityRun run =
      RunAtDensity(144, L"RealWindowTest.OnALowScreenTheWindowAndItsStatusLineLieInsideTheWorkArea",
                   L"1366x768");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.tests, 1);
  EXPECT_FALSE(run.skipped);
}

// A list box of its own on a window that is never shown.
struct Win32ListBoxMaker {
  Win32ListBoxMaker()
      : parent(CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr)),
        box(parent, 1, false) {}
  ~Win32ListBoxMaker() { DestroyWindow(parent); }
  ListBox& list() { return box; }
  HWND parent;
  Win32ListBox box;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowContract, Win32Rig);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ListBoxContract, Win32ListBoxMaker);

}  // namespace
}  // namespace zbk::testing
