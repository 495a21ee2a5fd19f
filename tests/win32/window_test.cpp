// The window created for real: its layout, the keys, a catalogue run and a
// search through it, stopping and closing, errors, and a long result list.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_font.h"
#include "text/literal.h"
#include "win32/real_window.h"

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
  const HWND fo = window_->window();
  const Dpi dpi = WindowDpi(fo);
  ASSERT_EQ(dpi.value, ExpectedDpi());
  ASSERT_EQ(window_->dpi().value, dpi.value);
  const auto s = [dpi](int pixels) { return dpi.Scale(pixels); };
  RECT frame;
  GetWindowRect(fo, &frame);
  EXPECT_EQ(frame.left, s(1));
  EXPECT_EQ(frame.top, s(1));
  EXPECT_EQ(frame.right, GetSystemMetrics(SM_CXSCREEN) - s(1));
  ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), s(768)) << "a screen too low for the whole window";
  EXPECT_EQ(window_->ClientHeight(), 587);
  EXPECT_EQ(window_->PanelHeight(), 587);
  RECT client;
  GetClientRect(fo, &client);
  EXPECT_EQ(client.bottom, s(587));

  const int w = client.right;
  EXPECT_EQ(Bounds(WidgetId::kLi), (Rect{s(5), s(5), s(411), s(517)}));
  EXPECT_EQ(Bounds(WidgetId::kL), (Rect{s(420), s(5), w - s(425), s(517)}));
  EXPECT_EQ(Bounds(WidgetId::kYes), (Rect{s(5), s(527), s(110), s(25)}));
  EXPECT_EQ(Bounds(WidgetId::kEsc), (Rect{s(120), s(527), s(80), s(25)}));
  EXPECT_EQ(Bounds(WidgetId::kE), (Rect{s(205), s(526), w - s(270), s(27)}));
  EXPECT_EQ(Bounds(WidgetId::kAZ), (Rect{w - s(60), s(527), s(25), s(25)}));
  EXPECT_EQ(Bounds(WidgetId::kX2), (Rect{w - s(30), s(527), s(25), s(25)}));
  EXPECT_EQ(Bounds(WidgetId::kPa), (Rect{s(5), s(557), w - s(10), s(25)}));
  // Inside the sunken border, room for exactly 27 rows.
  const HWND li = window_->ControlWindow(WidgetId::kLi);
  const int row = s(19);
  EXPECT_EQ(SendMessageW(li, LB_GETITEMHEIGHT, 0, 0), row);
  EXPECT_EQ(SendMessageW(window_->ControlWindow(WidgetId::kL), LB_GETITEMHEIGHT, 0, 0), row);
  RECT inside;
  GetClientRect(li, &inside);
  EXPECT_EQ(inside.bottom / row, 27);

  // Consolas at 16 pixels scaled where it is installed; whatever the font,
  // a drive row fits the list's width and a line the row's height.
  LOGFONTW font{};
  ASSERT_NE(GetObjectW(window_->font(), sizeof font, &font), 0);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET);
  if (std::wstring(font.lfFaceName) == L"Consolas") {
    EXPECT_EQ(font.lfHeight, -s(16));
  }
  EXPECT_GE(-font.lfHeight, s(12)) << "a font made smaller than it need be";
  EXPECT_TRUE(FontFits(window_->font(), inside.right - 2 * s(2), row));
  EXPECT_EQ(
      reinterpret_cast<HFONT>(SendMessageW(window_->ControlWindow(WidgetId::kE), WM_GETFONT, 0, 0)),
      window_->font());
  EXPECT_EQ(IconSize(fo, ICON_SMALL), s(16));
  EXPECT_EQ(IconSize(fo, ICON_BIG), s(32));

  EXPECT_EQ(window_->li().Count(), 1);
  EXPECT_EQ(window_->l().Count(), 26);
  EXPECT_EQ(ListCount(window_->ControlWindow(WidgetId::kL)), 26);
  EXPECT_EQ(window_->focus(), FocusControl::kLi);
  EXPECT_EQ(GetFocus(), li);
  EXPECT_EQ(YesCaption(), "Analizuj");
  EXPECT_EQ(WindowText(window_->ControlWindow(WidgetId::kEsc)), "Wyjdź"_cp);
  EXPECT_EQ(Status(), " Pa");
  EXPECT_EQ(WindowText(fo), "");
  EXPECT_EQ(window_->e().Text(), " Wpisz, czego szukasz i naciśnij [Enter]."_cp);
}

TEST_F(RealWindowTest, MovedToAMonitorOfAnotherDensityItLaysItselfOutAgain) {
  const HWND fo = window_->window();
  RECT before;
  GetWindowRect(fo, &before);
  LOGFONTW font{};
  GetObjectW(window_->font(), sizeof font, &font);
  const LONG height_before = font.lfHeight;
  const Dpi dense{2 * window_->dpi().value};
  // The system's suggestion: here, twice the height.
  RECT suggested{before.left, before.top, before.right,
                 before.top + 2 * (before.bottom - before.top)};
  SendMessageW(fo, WM_DPICHANGED, MAKEWPARAM(dense.value, dense.value),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  RECT after;
  GetWindowRect(fo, &after);
  EXPECT_TRUE(EqualRect(&after, &suggested));
  EXPECT_EQ(window_->dpi().value, dense.value);
  RECT client;
  GetClientRect(fo, &client);
  const auto s = [dense](int pixels) { return dense.Scale(pixels); };
  EXPECT_EQ(Bounds(WidgetId::kLi), (Rect{s(5), s(5), s(411), client.bottom - s(70)}));
  EXPECT_EQ(Bounds(WidgetId::kX2),
            (Rect{client.right - s(30), client.bottom - s(60), s(25), s(25)}));
  EXPECT_EQ(SendMessageW(window_->ControlWindow(WidgetId::kL), LB_GETITEMHEIGHT, 0, 0), s(19));
  GetObjectW(window_->font(), sizeof font, &font);
  EXPECT_LT(font.lfHeight, height_before);  // larger

  SendMessageW(fo, WM_DPICHANGED, MAKEWPARAM(dense.value / 2, dense.value / 2),
               reinterpret_cast<LPARAM>(&before));
  Pump();
  EXPECT_EQ(Bounds(WidgetId::kLi).height, window_->dpi().Scale(517));
}

TEST_F(RealWindowTest, TheSpeedButtonsHaveTheirTooltips) {
  const auto hint = [this](WidgetId id) {
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window_->window();
    info.uId = reinterpret_cast<UINT_PTR>(window_->ControlWindow(id));
    info.lpszText = text;
    SendMessageW(window_->tooltips(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return std::wstring(text);
  };
  EXPECT_EQ(SendMessageW(window_->tooltips(), TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(hint(WidgetId::kAZ), L" Sortuj listę ");
  EXPECT_EQ(hint(WidgetId::kX2), L" Porównaj wielkość ");
}

TEST_F(RealWindowTest, WidgetsFollowTheirAnchorsWhenTheWindowIsResized) {
  const int w = window_->ClientWidth();
  RECT frame;
  GetWindowRect(window_->window(), &frame);
  SetWindowPos(window_->window(), nullptr, 0, 0, frame.right - frame.left - 100,
               frame.bottom - frame.top - 200, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(Bounds(WidgetId::kLi), (Rect{5, 5, 411, 317}));
  EXPECT_EQ(Bounds(WidgetId::kL), (Rect{420, 5, w - 100 - 425, 317}));
  EXPECT_EQ(Bounds(WidgetId::kYes), (Rect{5, 327, 110, 25}));
  EXPECT_EQ(Bounds(WidgetId::kE), (Rect{205, 326, w - 100 - 270, 27}));
  EXPECT_EQ(Bounds(WidgetId::kX2), (Rect{w - 100 - 30, 327, 25, 25}));
  EXPECT_EQ(Bounds(WidgetId::kPa), (Rect{5, 357, w - 100 - 10, 25}));
}

TEST_F(RealWindowTest, TheCaptionOfYesFollowsTheFocus) {
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kL));
  EXPECT_EQ(YesCaption(), "Zmień"_cp);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kE));
  EXPECT_EQ(YesCaption(), "Szukaj");
  // Entering the field from the keyboard selects its text, so typing replaces it.
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(window_->ControlWindow(WidgetId::kE), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(window_->e().Text().size()));
  // Ctrl+A selects it all again.
  SendMessageW(window_->ControlWindow(WidgetId::kE), EM_SETSEL, 3, 3);
  PressWithCtrl('A');
  SendMessageW(window_->ControlWindow(WidgetId::kE), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(window_->e().Text().size()));
  EXPECT_EQ(window_->e().Text(), " Wpisz, czego szukasz i naciśnij [Enter]."_cp);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kLi));
  EXPECT_EQ(YesCaption(), "Analizuj");

  // "Zmień" moves the focus to the query field.
  window_->l().Focus();
  EXPECT_EQ(YesCaption(), "Zmień"_cp);
  SendMessageW(window_->ControlWindow(WidgetId::kYes), BM_CLICK, 0, 0);
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kE));
  EXPECT_EQ(YesCaption(), "Szukaj");
  EXPECT_TRUE(window_->yes().Enabled());
  EXPECT_EQ(fo_->state().BusyFlag, 0);
}

TEST_F(RealWindowTest, CataloguesADriveAndSearchesTheCatalogue) {
  Tick();
  ASSERT_EQ(window_->li().Count(), 27);
  EXPECT_EQ(window_->li().Row(11).substr(0, 4), " K: ");
  SendMessageW(window_->ControlWindow(WidgetId::kLi), LB_SETCURSEL, 11, 0);
  Press(VK_RETURN);

  const std::string zrodlo_line("        150.000  Zdjęcia\\źródło.dat"_cp);
  EXPECT_EQ(Catalogue(),
            "        100.000  folder0\\plik.bin\r\n"
            "        100.001  folder1\\plik.bin\r\n"
            "        100.002  folder2\\plik.bin\r\n"
            "        100.003  folder3\\plik.bin\r\n"
            "        100.004  folder4\\plik.bin\r\n" +
                zrodlo_line + "\r\n");
  EXPECT_EQ(window_->l().Count(), 6);
  EXPECT_EQ(window_->l().Row(5), zrodlo_line);
  EXPECT_EQ(ListCount(window_->ControlWindow(WidgetId::kL)), 6);
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kL));
  EXPECT_EQ(YesCaption(), "Zmień"_cp);
  EXPECT_TRUE(Status().starts_with(" Koniec K:")) << Status();
  EXPECT_TRUE(window_->yes().Enabled());

  Press(VK_TAB);
  EXPECT_EQ(YesCaption(), "Szukaj");
  SetWindowTextW(window_->ControlWindow(WidgetId::kE), L"ŹRÓDŁO");  // case kept for ą to ż
  Press(VK_RETURN);
  EXPECT_EQ(window_->l().Count(), 0);
  EXPECT_EQ(Status(), " Koniec szukania.");
  SetWindowTextW(window_->ControlWindow(WidgetId::kE), L"zdjęcia źródło");
  Press(VK_RETURN);
  ASSERT_EQ(window_->l().Count(), 3);
  EXPECT_EQ(window_->l().Row(0), " ARCHIWUM.txt: " + zrodlo_line);
  EXPECT_EQ(window_->l().Row(1), " Dyski:");
  EXPECT_EQ(window_->l().Row(2), "        ARCHIWUM.txt");
  EXPECT_EQ(GetFocus(), window_->ControlWindow(WidgetId::kE));
  EXPECT_EQ(YesCaption(), "Szukaj");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(RealWindowTest, EscDuringACommandStopsItAndAgainClosesTheWindow) {
  Tick();
  SendMessageW(window_->ControlWindow(WidgetId::kLi), LB_SETCURSEL, 11, 0);
  Post(VK_RETURN);
  Post(VK_ESCAPE);  // handled at the command's first status message
  Pump();
  EXPECT_FALSE(window_->closed());
  EXPECT_EQ(Catalogue(), "");  // stopped before the walk listed anything
  EXPECT_EQ(fo_->state().BusyFlag, 0);
  EXPECT_TRUE(window_->yes().Enabled());

  Press(VK_ESCAPE);
  EXPECT_TRUE(PumpUntilClosed());
  EXPECT_FALSE(IsWindow(window_->window()));
}

TEST_F(RealWindowTest, ClosingDuringACommandLetsItFinishFirst) {
  Tick();
  SendMessageW(window_->ControlWindow(WidgetId::kLi), LB_SETCURSEL, 11, 0);
  Post(VK_RETURN);
  PostMessageW(window_->window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntilClosed());
  EXPECT_NE(Catalogue().find("\\\x9Fr\xF3\x64\xB3o.dat\r\n"), std::string::npos);
  EXPECT_EQ(fo_->state().BusyFlag, 0);
}

TEST_F(RealWindowTest, EnterDoesNothingWhileYesIsDisabled) {
  window_->yes().SetEnabled(false);
  Press(VK_RETURN);
  SendMessageW(window_->ControlWindow(WidgetId::kYes), BM_CLICK, 0, 0);
  EXPECT_EQ(Status(), " Pa");
  window_->yes().SetEnabled(true);
  Press(VK_RETURN);  // Analizuj with no drive selected
  EXPECT_EQ(Status(), " Wybierz napęd."_cp);
}

TEST_F(RealWindowTest, AFileErrorEndsTheCommandWithTheErrorReport) {
  WriteBytes(work_ / L"ZAJĘTY.TXT", "abc\r\n");
  const HANDLE held = CreateFileW((work_ / L"ZAJĘTY.TXT").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Press(VK_TAB);
  Press(VK_TAB);
  SetWindowTextW(window_->ControlWindow(WidgetId::kE), L"abc");
  Press(VK_RETURN);
  CloseHandle(held);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Nie mogę otworzyć pliku ZAJĘTY.TXT"_cp);
  // The aborted handler's last steps did not run.
  EXPECT_FALSE(window_->yes().Enabled());
  EXPECT_NE(fo_->state().BusyFlag, 0);
  Press(VK_ESCAPE);  // only stops
  EXPECT_EQ(Status(), " Zatrzymane.");
  EXPECT_FALSE(PumpUntilClosed());
  Press(VK_ESCAPE);  // closes
  EXPECT_TRUE(PumpUntilClosed());
}

TEST_F(RealWindowTest, TheResultListStaysUsableWithHundredsOfThousandsOfRows) {
  ListBox& l = window_->l();
  const HWND list = window_->ControlWindow(WidgetId::kL);
  l.Clear();
  constexpr int kRows = 300000;
  for (int i = 0; i < kRows; ++i) {
    l.Add(std::to_string(kRows - i) + " row");
  }
  l.Select(kRows - 1);
  Pump();
  EXPECT_EQ(ListCount(list), kRows);
  EXPECT_EQ(l.Selected(), kRows - 1);
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), kRows - 30);

  // Sorted order: the selected index stays, rows come in at their place.
  l.SetSorted(true);
  EXPECT_EQ(l.Selected(), kRows - 1);
  EXPECT_EQ(l.Row(0), "1 row");
  EXPECT_EQ(l.Row(1), "10 row");
  l.Add("0 row");
  EXPECT_EQ(l.Row(0), "0 row");
  EXPECT_EQ(l.Selected(), kRows);  // the selected row moved down with the insertion
  EXPECT_EQ(ListCount(list), kRows + 1);
  l.SetSorted(false);
  l.Add("~ last");
  Pump();
  EXPECT_EQ(l.Row(kRows + 1), "~ last");
  EXPECT_EQ(ListCount(list), kRows + 2);
  EXPECT_EQ(l.Selected(), kRows);
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
  ListBox& l = window_->l();
  const HWND list = window_->ControlWindow(WidgetId::kL);
  const auto extent = [list] {
    return static_cast<int>(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0));
  };
  const auto text_width = [this](std::string_view row) {
    const std::wstring wide = WideFromCp1250(row);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, window_->font());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return static_cast<int>(size.cx);
  };
  const int indent = window_->dpi().Scale(2);
  l.Clear();
  l.Add(" ARCHIWUM.txt: krótki"_cp);
  // The longest row a search shows: a file's name and a line of 500 characters.
  const std::string longest = " ARCHIWUM.txt: " + std::string(487, 'x');
  l.Add(longest);
  l.Add("krótszy"_cp);
  l.Select(1);
  Pump();
  EXPECT_EQ(extent(), text_width(longest) + 2 * indent);
  EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL, 0);  // its scroll bar shows
  SendMessageW(list, WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_GT(GetScrollPos(list, SB_HORZ), 0);

  window_->l().Focus();
  PressWithCtrl('C');
  EXPECT_EQ(ClipboardText(), WideFromCp1250(longest));
  window_->li().Focus();
  window_->li().Select(0);
  Pump();
  PressWithCtrl('C');
  EXPECT_EQ(ClipboardText(), L" ?  typ dysku  nazwa            wolne   w GB");

  l.Clear();
  Pump();
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

}  // namespace
}  // namespace zbk::testing
