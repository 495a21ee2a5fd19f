// The buttons, the edit field and the status panel of the window behind the
// toolkit interfaces, converting texts at the edge.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "platform/qt/caption_panel.h"
#include "ports/toolkit.h"

namespace zbk {

class QtButton : public Button {
 public:
  explicit QtButton(QPushButton& button) : button_(button) {}
  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;
  bool Enabled() const override { return button_.isEnabled(); }
  void SetEnabled(bool on) override { button_.setEnabled(on); }

 private:
  QPushButton& button_;
};

class QtEditField : public EditField {
 public:
  // `focus` moves the input focus to the field and runs its enter handler.
  QtEditField(QLineEdit& edit, std::function<void()> focus)
      : edit_(edit), focus_(std::move(focus)) {}
  std::string Text() const override;
  void Focus() override { focus_(); }

 private:
  QLineEdit& edit_;
  std::function<void()> focus_;
};

class QtPanel : public Panel {
 public:
  explicit QtPanel(CaptionPanel& panel) : panel_(panel) {}
  void SetCaption(std::string_view caption) override;

 private:
  CaptionPanel& panel_;
};

}  // namespace zbk
