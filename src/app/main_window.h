// TFo, the main window: its state and every handler its widgets are bound
// to. A toolkit creates the widgets, then delivers the window's events here.
#pragma once

#include "ports/toolkit.h"
#include "window/window_state.h"

namespace zbk {

class TFo : public WindowHandlers {
 public:
  TFo(Os os, Widgets widgets) : state_(os, widgets) {}

  void Run(WindowEvent event) override;

  void FCreat();  // creation: size and place, host caption, both lists
  void TTimer();  // refresh timer: caption and drive list
  void YClick();  // the action button: the command its caption names
  void EClick();  // the stop button: stops a command, or closes the window
  void AClick();  // sort the result list
  void XClick();  // the equal-size finder
  void LiEnte();  // the drive list gets the focus
  void EEnter();  // the query field gets the focus
  void LEnter();  // the result list gets the focus

  const WindowState& state() const { return state_; }

 private:
  WindowState state_;
  bool command_running_ = false;  // inside YClick, also while it processes messages
};

}  // namespace zbk
