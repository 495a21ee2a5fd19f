// A list box of the window: the rows in a RowModel, shown by a ListView.
// While sorted, an added row takes its sorted place and the selection stays
// on its row; switching sorted order on re-sorts the rows (stable) and
// keeps the selected index.
#pragma once

#include <functional>
#include <string>

#include "platform/qt/list_view.h"
#include "platform/qt/row_model.h"
#include "ports/toolkit.h"

namespace zbk {

class QtListBox : public ListBox {
 public:
  // `focus` moves the input focus to the view and runs its enter handler.
  QtListBox(ListView& view, std::function<void()> focus);

  void Clear() override;
  void AddJoined(std::string_view head, std::string_view tail) override;
  int Count() const override { return model_.size(); }
  std::string Row(int index) const override;
  void Replace(int index, std::string_view row) override;
  int Selected() const override;
  void Select(int index) override;
  void SetSorted(bool on) override;
  bool Sorted() const override { return sorted_; }
  void Focus() override { focus_(); }

  RowModel& model() { return model_; }

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }

  ListView& view_;
  RowModel model_;
  std::string joined_;  // a row added in pieces while sorted
  std::function<void()> focus_;
  bool sorted_ = false;
};

}  // namespace zbk
