// A toolkit with no screen: the main window and its widgets as plain data,
// the user's actions as calls, and a queue of pending events that message
// processing runs. Tests and the scripted driver use it with the real core.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/memory/memory_widgets.h"
#include "platform/window_delivery.h"

namespace zbk {

class MemoryToolkit : public WindowDelivery {
 public:
  // The frame around the client area, as on a classic desktop.
  static constexpr int kBorder = 4;
  static constexpr int kTitle = 23;

  explicit MemoryToolkit(int screen_width = 1024, int screen_height = 768);

  Widgets widgets();

  // What the user does. Nothing happens once the window has closed.
  void Tick() { Deliver(WindowEvent::kTimerTick); }
  void ClickYes();  // only while Yes is enabled
  void ClickEsc() { Deliver(WindowEvent::kStopClicked); }
  void ClickAZ() { Deliver(WindowEvent::kSortClicked); }
  void ClickX2() { Deliver(WindowEvent::kEqualSizeClicked); }
  void PressEnter() { ClickYes(); }
  void PressEsc() { ClickEsc(); }
  void PressTab() { MoveFocus(NextByTab(true)); }  // Li, L, E and back to Li
  void Focus(FocusControl control) { MoveFocus(control); }
  void SetQueryText(std::string_view text) { e_.SetText(text); }
  void CloseByTitleBar() { Close(); }

  // Runs `event` at the next processing of pending messages.
  void Post(std::function<void()> event) { pending_.push_back(std::move(event)); }
  // Called at the start of every processing with its number (1, 2, ...).
  void SetProcessHook(std::function<void(int)> hook) { process_hook_ = std::move(hook); }
  void SetClosedSink(std::function<void()> sink) { closed_sink_ = std::move(sink); }

  int processed() const { return processed_; }
  const std::string& caption() const { return caption_; }
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int panel_width() const { return panel_width_; }
  MemoryListBox& li() { return li_; }
  MemoryListBox& l() { return l_; }
  MemoryButton& yes() { return yes_; }
  MemoryEditField& e() { return e_; }
  MemoryPanel& pa() { return pa_; }

  // MainWindow
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  int ScreenWidth() const override { return screen_width_; }
  void SetLeft(int left) override { left_ = left; }
  void SetTop(int top) override { top_ = top; }
  void SetWidth(int width) override;
  int Height() const override { return height_; }
  void SetHeight(int height) override;
  int ClientWidth() const override { return width_ - 2 * kBorder; }
  int ClientHeight() const override { return height_ - kTitle - 2 * kBorder; }
  void SetPanelSize(int width, int height) override;
  int PanelHeight() const override { return panel_height_; }
  void ProcessMessages() override;

 private:
  // WindowDelivery: the focus is where the last enter handler ran.
  void ShowWindow() override {}
  void MoveFocus(FocusControl control) override { Entered(control); }
  void StartTimer() override {}
  void CloseWindow() override;
  void ShowErrorBox(std::string_view /*message*/) override {}

  int screen_width_;
  int screen_height_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 500;
  int height_ = 135;
  int panel_width_ = 492;
  int panel_height_ = 108;
  std::string caption_;

  MemoryListBox li_;
  MemoryListBox l_;
  MemoryButton yes_;
  MemoryEditField e_;
  MemoryPanel pa_;

  int processed_ = 0;
  std::deque<std::function<void()>> pending_;
  std::function<void(int)> process_hook_;
  std::function<void()> closed_sink_;
};

}  // namespace zbk
