// The widgets of the in-memory toolkit: plain data behind the toolkit
// interfaces, with no screen. Tests and the scripted driver look at them
// directly.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/row_store.h"
#include "ports/toolkit.h"

namespace zbk {

class MemoryListBox : public ListBox {
 public:
  explicit MemoryListBox(std::function<void()> on_focus) : on_focus_(std::move(on_focus)) {}

  void Clear() override;
  void AddJoined(std::string_view head, std::string_view tail) override;
  int Count() const override { return rows_.size(); }
  std::string Row(int index) const override;
  void Replace(int index, std::string_view row) override;
  int Selected() const override { return selected_; }
  void Select(int index) override;
  // The selected index stays where it was when the rows are re-sorted.
  void SetSorted(bool on) override;
  bool Sorted() const override { return sorted_; }
  void Focus() override { on_focus_(); }

  // Every row, in order.
  std::vector<std::string> rows() const;

 private:
  RowStore rows_;
  std::string joined_;  // a row added in pieces while sorted
  int selected_ = -1;
  bool sorted_ = false;
  std::function<void()> on_focus_;
};

class MemoryButton : public Button {
 public:
  explicit MemoryButton(std::string caption) : caption_(std::move(caption)) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool on) override { enabled_ = on; }

 private:
  std::string caption_;
  bool enabled_ = true;
};

class MemoryEditField : public EditField {
 public:
  MemoryEditField(std::string text, std::function<void()> on_focus)
      : text_(std::move(text)), on_focus_(std::move(on_focus)) {}
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) { text_ = text; }
  void Focus() override { on_focus_(); }

 private:
  std::string text_;
  std::function<void()> on_focus_;
};

class MemoryPanel : public Panel {
 public:
  explicit MemoryPanel(std::string caption) : caption_(std::move(caption)) {}
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  const std::string& caption() const { return caption_; }

 private:
  std::string caption_;
};

}  // namespace zbk
