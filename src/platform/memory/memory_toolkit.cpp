#include "platform/memory/memory_toolkit.h"

#include <algorithm>

#include "window/window_words.h"

namespace zbk {

MemoryToolkit::MemoryToolkit(int screen_width, int screen_height)
    : screen_width_(screen_width),
      screen_height_(screen_height),
      li_([this] { MoveFocus(FocusControl::kLi); }),
      l_([this] { MoveFocus(FocusControl::kL); }),
      yes_(std::string(CommandCaption(kFirstCommand))),
      e_(std::string(kQueryPrompt), [this] { MoveFocus(FocusControl::kE); }),
      pa_(std::string(kFirstStatus)) {}

Widgets MemoryToolkit::widgets() {
  return Widgets{*this, li_, l_, yes_, e_, pa_};
}

void MemoryToolkit::ClickYes() {
  if (yes_.Enabled()) Deliver(WindowEvent::kActionClicked);
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

void MemoryToolkit::CloseWindow() {
  if (closed_sink_) closed_sink_();
}

}  // namespace zbk
