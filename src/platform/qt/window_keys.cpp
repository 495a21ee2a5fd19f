#include "platform/qt/window_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace zbk {

WindowKeys::WindowKeys(QWidget& window, QPushButton& default_button, QPushButton& cancel_button)
    : window_(window), default_button_(default_button), cancel_button_(cancel_button) {
  qApp->installEventFilter(this);
}

WindowKeys::~WindowKeys() {
  qApp->removeEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != &window_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!default_button_.isEnabled()) return false;
      default_button_.click();
      return true;
    case Qt::Key_Escape:
      cancel_button_.click();
      return true;
    default:
      return false;
  }
}

}  // namespace zbk
