// The window's default and cancel buttons: Enter (with no Shift, Ctrl or
// Alt) anywhere in the window clicks the default button while it is
// enabled, Esc clicks the cancel button at any time; a key so used does not
// reach the focused widget.
#pragma once

#include <QObject>
#include <QPushButton>

namespace zbk {

class WindowKeys : public QObject {
 public:
  // Watches every key pressed in `window` (installed on the application).
  WindowKeys(QWidget& window, QPushButton& default_button, QPushButton& cancel_button);
  ~WindowKeys() override;
  WindowKeys(const WindowKeys&) = delete;
  WindowKeys& operator=(const WindowKeys&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QPushButton& default_button_;
  QPushButton& cancel_button_;
};

}  // namespace zbk
