// A list box of the window (Li, L): a Windows list box without data of its
// own (LBS_NODATA, owner-drawn), whose rows the program keeps and paints, so
// that hundreds of thousands of rows cost no more than their text (in a
// RowStore). Sorted order is the program's own, switched on and off at any
// time. Rows appended
// in unsorted order and a newly selected row reach the Windows control in
// one step, painted once, before the next messages are processed. A list
// that scrolls sideways is as wide as its longest row: rows are fixed-pitch,
// so that is the most characters any row has had, times one character's
// width.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/row_store.h"
#include "ports/toolkit.h"

namespace zbk {

class Win32ListBox : public ListBox {
 public:
  Win32ListBox(HWND parent, int id, bool scrolls_sideways);
  Win32ListBox(const Win32ListBox&) = delete;
  Win32ListBox& operator=(const Win32ListBox&) = delete;

  HWND hwnd() const { return hwnd_; }

  void Clear() override;
  void AddJoined(std::string_view head, std::string_view tail) override;
  int Count() const override { return rows_.size(); }
  std::string Row(int index) const override;
  void Replace(int index, std::string_view row) override;
  int Selected() const override;
  void Select(int index) override;
  // Switching on keeps the selected index where it was.
  void SetSorted(bool on) override;
  bool Sorted() const override { return sorted_; }
  void Focus() override;

  // In screen pixels: the height of a row, the space before its text and
  // the width of one character of the (fixed-pitch) font.
  void SetMetrics(int row_height, int indent, int char_width);

  // Gives the Windows control the rows appended, the row selected and the
  // width of the longest row since the last time.
  void Sync();
  // WM_DRAWITEM for this list box.
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND hwnd_;
  RowStore rows_;
  std::string joined_;  // a row added in pieces while sorted
  bool sorted_ = false;
  bool scrolls_sideways_;
  int row_height_ = 0;
  int indent_ = 0;
  int char_width_ = 0;
  std::size_t widest_ = 0;            // the most characters of any row since the last Clear
  int extent_shown_ = 0;              // the horizontal extent the control has
  bool count_behind_ = false;         // rows_ holds rows the control does not count yet
  std::optional<int> selection_due_;  // selected here, not yet in the control
};

}  // namespace zbk
