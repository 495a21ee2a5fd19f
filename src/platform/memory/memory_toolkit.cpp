#include "platform/memory/memory_toolkit.h"

#include <algorithm>

namespace zbk {

MemoryToolkit::MemoryToolkit(int screen_width, int screen_height)
    : screen_width_(screen_width),
      screen_height_(screen_height),
      li_([this] { MoveFocus(Control::kLi); }),
      l_([this] { MoveFocus(Control::kL); }),
      e_(std::string(" Wpisz, czego szukasz i naciśnij [Enter]."_cp),
         [this] { MoveFocus(Control::kE); }) {}

Widgets MemoryToolkit::widgets() {
  return Widgets{*this, li_, l_, yes_, e_, pa_};
}

void MemoryToolkit::Start(WindowHandlers& handlers) {
  handlers_ = &handlers;
  Fire(Handler::kFCreat);
  shown_ = true;
  focus_ = Control::kE;  // nothing has the focus yet; the first move is to Li
  MoveFocus(Control::kLi);
}

void MemoryToolkit::Fire(Handler handler) {
  if (closed_ || handlers_ == nullptr) return;
  ++depth_;
  Deliver(*handlers_, handler, *this);
  --depth_;
  if (depth_ == 0 && close_requested_ && !closed_) {
    closed_ = true;
    if (closed_sink_) closed_sink_();
  }
}

void MemoryToolkit::MoveFocus(Control control) {
  if (!shown_ || focus_ == control) return;
  focus_ = control;
  Fire(EnterHandler(control));
}

void MemoryToolkit::Tick() {
  Fire(Handler::kTTimer);
}

void MemoryToolkit::ClickYes() {
  if (yes_.Enabled()) Fire(Handler::kYClick);
}

void MemoryToolkit::ClickEsc() {
  Fire(Handler::kEClick);
}
void MemoryToolkit::ClickAZ() {
  Fire(Handler::kAClick);
}
void MemoryToolkit::ClickX2() {
  Fire(Handler::kXClick);
}
void MemoryToolkit::PressEnter() {
  ClickYes();
}
void MemoryToolkit::PressEsc() {
  ClickEsc();
}

void MemoryToolkit::PressTab() {
  switch (focus_) {
    case Control::kLi:
      return MoveFocus(Control::kL);
    case Control::kL:
      return MoveFocus(Control::kE);
    case Control::kE:
      return MoveFocus(Control::kLi);
  }
}

void MemoryToolkit::FocusControl(Control control) {
  if (!closed_) MoveFocus(control);
}

void MemoryToolkit::SetWidth(int width) {
  const int before = width_;
  width_ = std::clamp(width, 2 * kBorder, std::max(screen_width_, 2 * kBorder));
  panel_width_ += width_ - before;  // Pan is anchored on all four sides
}

void MemoryToolkit::SetHeight(int height) {
  const int before = height_;
  height_ =
      std::clamp(height, kTitle + 2 * kBorder, std::max(screen_height_, kTitle + 2 * kBorder));
  panel_height_ += height_ - before;
}

void MemoryToolkit::SetPanelSize(int width, int height) {
  panel_width_ = width;
  panel_height_ = height;
}

void MemoryToolkit::ProcessMessages() {
  ++processed_;
  if (process_hook_) process_hook_(processed_);
  while (!pending_.empty()) {
    auto event = std::move(pending_.front());
    pending_.pop_front();
    event();
  }
}

void MemoryToolkit::Close() {
  if (closed_) return;
  close_requested_ = true;
  if (depth_ == 0) {
    closed_ = true;
    if (closed_sink_) closed_sink_();
  }
}

void MemoryToolkit::ShowError(std::string_view message) {
  if (error_sink_) error_sink_(message);
}

}  // namespace zbk
