#include "platform/win32/win32_toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "drives/drive_line.h"
#include "platform/win32/glyphs.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_font.h"
#include "window/window_words.h"

namespace zbk {
namespace {

constexpr wchar_t kClassName[] = L"ZbkMainWindow";
constexpr int kIconResource = 1;  // the program file's icon (zbk.rc)

enum ControlId : int { kIdLi = 100, kIdL, kIdYes, kIdEsc, kIdE, kIdAZ, kIdX2, kIdPa };

// The window's designed size, and the space before the text of a list row.
constexpr int kDesignedWidth = 500;
constexpr int kDesignedHeight = 135;
constexpr int kTextIndent = 2;
// The fewest rows each list keeps when the window is limited to its monitor.
constexpr int kMinimumRows = 5;

void RegisterClassOnce() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

Win32Toolkit::Win32Toolkit() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClassOnce();
  window_ = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                            kDesignedWidth, kDesignedHeight, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) throw std::runtime_error("the main window cannot be created");
  // The designed size at the window's density; FCreat replaces it.
  dpi_ = WindowDpi(window_);
  SetWindowPos(window_, nullptr, 0, 0, dpi_.Scale(kDesignedWidth), dpi_.Scale(kDesignedHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  pan_width_ = dpi_.Scale(kDesignedPanWidth);
  pan_height_ = dpi_.Scale(kDesignedPanHeight);
  RouteMessages(window_, this);
  RECT client;
  GetClientRect(window_, &client);
  client_width_ = client.right;
  client_height_ = client.bottom;
  CreateWidgets();
  ApplyDpi(dpi_);
}

Win32Toolkit::~Win32Toolkit() {
  Detach();
  if (!destroyed_ && window_ != nullptr) {
    destroyed_ = true;  // no quit message for a loop that may not run
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  for (const HICON icon : {small_icon_, big_icon_}) {
    if (icon != nullptr) DestroyIcon(icon);
  }
}

void Win32Toolkit::CreateWidgets() {
  li_ = std::make_unique<Win32ListBox>(window_, kIdLi, false);
  l_ = std::make_unique<Win32ListBox>(window_, kIdL, true);
  yes_ = std::make_unique<GlyphButton>(window_, kIdYes,
                                       GlyphButtonLook{&GlyphPicture(GlyphId::kYes), nullptr, true},
                                       CommandCaption(kFirstCommand));
  esc_ = std::make_unique<GlyphButton>(
      window_, kIdEsc, GlyphButtonLook{&GlyphPicture(GlyphId::kCancel), nullptr, false},
      kStopCaption);
  e_ = std::make_unique<Win32EditField>(window_, kIdE, kQueryPrompt);
  az_ = std::make_unique<GlyphButton>(
      window_, kIdAZ, GlyphButtonLook{&GlyphPicture(GlyphId::kAZ), nullptr, false}, "");
  x2_ = std::make_unique<GlyphButton>(
      window_, kIdX2,
      GlyphButtonLook{&GlyphPicture(GlyphId::kX2), &GlyphPicture(GlyphId::kX2Disabled), false}, "");
  pa_ = std::make_unique<Win32Panel>(window_, kIdPa, kFirstStatus);
  // What a screen reader says for the controls that show no name of their
  // own. The speed buttons: their window texts, which they do not draw.
  // The lists and the query field: a label just above each in the z-order,
  // where the system looks for the name of a list or an edit field; the
  // labels take no room on the screen. (The buttons Yes and Esc say their
  // captions, the status line its text.)
  SetWindowTextW(az_->hwnd(), WideFromCp1250(kSortName).c_str());
  SetWindowTextW(x2_->hwnd(), WideFromCp1250(kEqualSizeName).c_str());
  AddLabel(li_->hwnd(), kDriveListName);
  AddLabel(l_->hwnd(), kResultListName);
  AddLabel(e_->hwnd(), kQueryFieldName);

  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  AddTooltip(az_->hwnd(), kSortHint);
  AddTooltip(x2_->hwnd(), kEqualSizeHint);
}

void Win32Toolkit::ApplyDpi(Dpi dpi) {
  dpi_ = dpi;
  PlaceWidgets();
  for (GlyphButton* button : {yes_.get(), esc_.get(), az_.get(), x2_.get()}) button->SetDpi(dpi);

  // The font for the room a drive row has in Li at this density, with or
  // without a scroll bar beside the rows.
  const int row_height = dpi.ScaleRow(kListRowHeight);
  const int indent = dpi.Scale(kTextIndent);
  RECT inside;
  GetClientRect(li_->hwnd(), &inside);
  int row_width = inside.right - 2 * indent;
  if ((GetWindowLongW(li_->hwnd(), GWL_STYLE) & WS_VSCROLL) != 0) {
    row_width += GetSystemMetrics(SM_CXVSCROLL);
  }
  const HFONT font = CreateWindowFont(dpi, row_width, row_height);
  for (const WidgetId id : {WidgetId::kLi, WidgetId::kL, WidgetId::kYes, WidgetId::kEsc,
                            WidgetId::kE, WidgetId::kAZ, WidgetId::kX2, WidgetId::kPa}) {
    SendMessageW(ControlWindow(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  SendMessageW(tooltips_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;

  // The font is fixed-pitch: one character's width is the header row's, by
  // its length.
  const std::wstring row = WideFromCp1250(kDriveListHeader);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font_);
  SIZE extent{};
  GetTextExtentPoint32W(screen, row.c_str(), static_cast<int>(row.size()), &extent);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const int length = static_cast<int>(row.size());
  const int char_width = (extent.cx + length - 1) / length;
  li_->SetMetrics(row_height, indent, char_width);
  l_->SetMetrics(row_height, indent, char_width);

  // The icons of the title bar and of Alt+Tab, from the program file's at
  // the sizes of this density.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto& [which, size, icon] :
       {std::tuple{ICON_SMALL, 16, &small_icon_}, std::tuple{ICON_BIG, 32, &big_icon_}}) {
    const auto loaded =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      dpi.Scale(size), dpi.Scale(size), LR_DEFAULTCOLOR));
    if (loaded == nullptr) continue;
    SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(loaded));
    if (*icon != nullptr) DestroyIcon(*icon);
    *icon = loaded;
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Toolkit::AddLabel(HWND control, std::string_view name) {
  const HWND label =
      CreateWindowExW(0, L"STATIC", WideFromCp1250(name).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
                      0, 0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The control just below its label.
  SetWindowPos(control, label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Toolkit::AddTooltip(HWND tool, std::string_view text) {
  std::wstring wide = WideFromCp1250(text);
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood with and without visual styles
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = window_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = wide.data();
  SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

Widgets Win32Toolkit::widgets() {
  return Widgets{*this, *li_, *l_, *yes_, *e_, *pa_};
}

HWND Win32Toolkit::ControlWindow(WidgetId id) const {
  switch (id) {
    case WidgetId::kLi:
      return li_->hwnd();
    case WidgetId::kL:
      return l_->hwnd();
    case WidgetId::kYes:
      return yes_->hwnd();
    case WidgetId::kEsc:
      return esc_->hwnd();
    case WidgetId::kE:
      return e_->hwnd();
    case WidgetId::kAZ:
      return az_->hwnd();
    case WidgetId::kX2:
      return x2_->hwnd();
    case WidgetId::kPa:
      return pa_->hwnd();
  }
  return nullptr;
}

HWND Win32Toolkit::ControlWindow(FocusControl control) const {
  switch (control) {
    case FocusControl::kLi:
      return li_->hwnd();
    case FocusControl::kL:
      return l_->hwnd();
    case FocusControl::kE:
      return e_->hwnd();
  }
  return nullptr;
}

LRESULT Win32Toolkit::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight = dpi_.ScaleRow(kListRowHeight);
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.CtlID == kIdLi && li_ != nullptr) li_->Draw(item);
      if (item.CtlID == kIdL && l_ != nullptr) l_->Draw(item);
      return TRUE;
    }
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) OnResize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_PAINT:
      PaintPanel();
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another density: laid out anew at the new
      // density, in the place the system suggests.
      ApplyDpi(Dpi{LOWORD(wparam)});
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_SETCURSOR: {
      const auto over = reinterpret_cast<HWND>(wparam);
      if (LOWORD(lparam) == HTCLIENT && (over == li_->hwnd() || over == az_->hwnd())) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_ACTIVATE:
      // Back to the control that had the focus, as a dialog does.
      if (LOWORD(wparam) != WA_INACTIVE && HIWORD(wparam) == 0) {
        SetFocus(ControlWindow(focus().value_or(FocusControl::kLi)));
      }
      return 0;
    case WM_SETFOCUS:
      SetFocus(ControlWindow(focus().value_or(FocusControl::kLi)));
      return 0;
    case WM_TIMER:
      if (wparam == kTimerId) Deliver(WindowEvent::kTimerTick);
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case kCloseNow:
      if (!destroyed_) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      destroyed_ = true;
      KillTimer(window_, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Win32Toolkit::OnCommand(int id, int code) {
  switch (id) {
    case kIdYes:
      if (code == BN_CLICKED && yes_->Enabled()) Deliver(WindowEvent::kActionClicked);
      return;
    case kIdEsc:
      if (code == BN_CLICKED) Deliver(WindowEvent::kStopClicked);
      return;
    case kIdAZ:
      if (code == BN_CLICKED) Deliver(WindowEvent::kSortClicked);
      return;
    case kIdX2:
      if (code == BN_CLICKED) Deliver(WindowEvent::kEqualSizeClicked);
      return;
    case kIdLi:
      if (code == LBN_SETFOCUS) Entered(FocusControl::kLi);
      return;
    case kIdL:
      if (code == LBN_SETFOCUS) Entered(FocusControl::kL);
      return;
    case kIdE:
      if (code == EN_SETFOCUS) {
        // The whole text is selected when the field is entered from the
        // keyboard or by the program, so typing replaces it.
        if (GetKeyState(VK_LBUTTON) >= 0) SendMessageW(e_->hwnd(), EM_SETSEL, 0, -1);
        Entered(FocusControl::kE);
      }
      return;
    default:
      return;
  }
}

void Win32Toolkit::OnResize(int client_width, int client_height) {
  // Pan is anchored on all four sides: it follows the client area.
  pan_width_ += client_width - client_width_;
  pan_height_ += client_height - client_height_;
  client_width_ = client_width;
  client_height_ = client_height;
  PlaceWidgets();
}

void Win32Toolkit::PlaceWidgets() {
  if (pa_ == nullptr) return;  // still being created
  for (const auto& widget : kLayout) {
    // Every designed distance scaled to the screen, kept to the anchored edges.
    const Rect r = Place(widget.id, pan_width_, pan_height_,
                         [this](int designed) { return dpi_.Scale(designed); });
    MoveWindow(ControlWindow(widget.id), r.left, r.top, std::max(r.width, 0), std::max(r.height, 0),
               TRUE);
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Toolkit::PaintPanel() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window_, &ps);
  RECT pan{0, 0, pan_width_, pan_height_};
  DrawEdge(dc, &pan, BDR_RAISEDINNER, BF_RECT);
  EndPaint(window_, &ps);
}

void Win32Toolkit::SetCaption(std::string_view caption) {
  SetWindowTextW(window_, WideFromCp1250(caption).c_str());
}

// The core's pixels are the layout's: positions and the screen's width
// scaled as they are; the window's width and height through its client
// area, so that a Pan of 587 pixels is exactly 587 scaled, whatever the
// frame measures.
int Win32Toolkit::ScreenWidth() const {
  return dpi_.Unscale(GetSystemMetrics(SM_CXSCREEN));
}

void Win32Toolkit::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Toolkit::SetLeft(int left) {
  RECT r;
  GetWindowRect(window_, &r);
  SetBounds(dpi_.Scale(left), r.top, r.right - r.left, r.bottom - r.top);
}

void Win32Toolkit::SetTop(int top) {
  RECT r;
  GetWindowRect(window_, &r);
  SetBounds(r.left, dpi_.Scale(top), r.right - r.left, r.bottom - r.top);
}

void Win32Toolkit::SetWidth(int width) {
  RECT r;
  GetWindowRect(window_, &r);
  RECT client;
  GetClientRect(window_, &client);
  const int frame = r.right - r.left - client.right;
  SetBounds(r.left, r.top, dpi_.Scale(width - dpi_.Unscale(frame)) + frame, r.bottom - r.top);
}

int Win32Toolkit::Height() const {
  RECT r;
  GetWindowRect(window_, &r);
  RECT client;
  GetClientRect(window_, &client);
  return dpi_.Unscale(client.bottom) + dpi_.Unscale(r.bottom - r.top - client.bottom);
}

// The window stops at the bottom of its monitor's work area (the taskbar
// excluded), at any density, but keeps at least the height that leaves five
// rows in each list above the buttons, the query field and the status line.
void Win32Toolkit::SetHeight(int height) {
  RECT r;
  GetWindowRect(window_, &r);
  RECT client;
  GetClientRect(window_, &client);
  const int frame = r.bottom - r.top - client.bottom;
  int outer = dpi_.Scale(height - dpi_.Unscale(frame)) + frame;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const Rect designed_l = Place(WidgetId::kL, kDesignedPanWidth, kDesignedPanHeight);
    const int least = frame + dpi_.Scale(kDesignedPanHeight - designed_l.height + 4) +
                      kMinimumRows * dpi_.ScaleRow(kListRowHeight);
    const int room = monitor.rcWork.bottom - std::max(r.top, monitor.rcWork.top);
    outer = std::min(outer, std::max(room, std::min(least, outer)));
  }
  SetBounds(r.left, r.top, r.right - r.left, outer);
}

int Win32Toolkit::ClientWidth() const {
  RECT r;
  GetClientRect(window_, &r);
  return dpi_.Unscale(r.right);
}

int Win32Toolkit::ClientHeight() const {
  RECT r;
  GetClientRect(window_, &r);
  return dpi_.Unscale(r.bottom);
}

void Win32Toolkit::SetPanelSize(int width, int height) {
  // The client area's size makes Pan fill it to the last screen pixel.
  RECT client;
  GetClientRect(window_, &client);
  pan_width_ = width == dpi_.Unscale(client.right) ? client.right : dpi_.Scale(width);
  pan_height_ = height == dpi_.Unscale(client.bottom) ? client.bottom : dpi_.Scale(height);
  PlaceWidgets();
}

void Win32Toolkit::ShowErrorBox(std::string_view message) {
  MessageBoxW(window_, WideFromCp1250(message).c_str(), L"Zbk", MB_OK | MB_ICONERROR);
}

}  // namespace zbk
