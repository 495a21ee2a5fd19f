#include "platform/win32/win32_list_box.h"

#include <algorithm>
#include <climits>

#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

int Send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return static_cast<int>(SendMessageW(hwnd, message, wparam, lparam));
}

}  // namespace

Win32ListBox::Win32ListBox(HWND parent, int id, bool scrolls_sideways)
    : hwnd_(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA |
                                (scrolls_sideways ? WS_HSCROLL : 0),
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr)),
      scrolls_sideways_(scrolls_sideways) {}

void Win32ListBox::SetMetrics(int row_height, int indent, int char_width) {
  row_height_ = row_height;
  indent_ = indent;
  char_width_ = char_width;
  Send(hwnd_, LB_SETITEMHEIGHT, 0, row_height);
  InvalidateRect(hwnd_, nullptr, TRUE);
  Sync();
}

void Win32ListBox::Clear() {
  rows_.Clear();
  widest_ = 0;
  count_behind_ = false;
  selection_due_.reset();
  Send(hwnd_, LB_RESETCONTENT);
  Sync();
}

void Win32ListBox::AddJoined(std::string_view head, std::string_view tail) {
  widest_ = std::max(widest_, head.size() + tail.size());
  if (!sorted_) {
    rows_.Append(head, tail);
    count_behind_ = true;
    return;
  }
  const std::string_view row = tail.empty() ? head : joined_.assign(head).append(tail);
  Sync();
  const int index = rows_.SortedPlace(row);
  rows_.Insert(index, row);
  // The control moves the selection with its row.
  Send(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(index), 0);
}

std::string Win32ListBox::Row(int index) const {
  if (index < 0 || index >= Count()) return {};
  return std::string(rows_[index]);
}

void Win32ListBox::Replace(int index, std::string_view row) {
  if (index < 0 || index >= Count()) return;
  Sync();
  widest_ = std::max(widest_, row.size());
  rows_.Replace(index, row);
  RECT item;
  if (Send(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) !=
      LB_ERR) {
    InvalidateRect(hwnd_, &item, TRUE);
  }
}

int Win32ListBox::Selected() const {
  if (selection_due_) return *selection_due_;
  const int selected = Send(hwnd_, LB_GETCURSEL);
  return selected == LB_ERR ? -1 : selected;
}

void Win32ListBox::Select(int index) {
  selection_due_ = index >= 0 && index < Count() ? index : -1;
}

void Win32ListBox::SetSorted(bool on) {
  if (on && !sorted_) {
    Sync();
    const int selected = Selected();
    rows_.Sort();
    Send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(selected));
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  sorted_ = on;
}

void Win32ListBox::Focus() {
  Sync();
  SetFocus(hwnd_);
}

void Win32ListBox::Sync() {
  if (scrolls_sideways_) {
    const std::size_t pixels =
        2 * static_cast<std::size_t>(indent_) + widest_ * static_cast<std::size_t>(char_width_);
    const int extent = static_cast<int>(std::min<std::size_t>(pixels, INT_MAX));
    if (extent != extent_shown_) {
      extent_shown_ = extent;
      Send(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
    }
  }
  if (!count_behind_ && !selection_due_) return;
  // Every change at once, then one repaint.
  Send(hwnd_, WM_SETREDRAW, FALSE);
  if (count_behind_) {
    count_behind_ = false;
    // Setting the count must not move the selection or the scrolled position.
    const int selected = Send(hwnd_, LB_GETCURSEL);
    const int top = Send(hwnd_, LB_GETTOPINDEX);
    Send(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(rows_.size()));
    if (Send(hwnd_, LB_GETCURSEL) != selected) {
      Send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(selected));
    }
    if (Send(hwnd_, LB_GETTOPINDEX) != top) Send(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(top));
  }
  if (selection_due_) {
    Send(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(*selection_due_));  // scrolls it into view
    selection_due_.reset();
  }
  Send(hwnd_, WM_SETREDRAW, TRUE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListBox::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  RECT area = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool valid = item.itemID < static_cast<UINT>(rows_.size());
  const int back = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  SetBkColor(dc, GetSysColor(back));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring text =
      valid ? WideFromCp1250(rows_[static_cast<int>(item.itemID)]) : std::wstring();
  ExtTextOutW(dc, area.left + indent_, area.top, ETO_OPAQUE | ETO_CLIPPED, &area, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &area);
}

}  // namespace zbk
