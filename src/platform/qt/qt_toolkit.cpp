#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/qt/qt_text.h"
#include "window/window_state.h"

namespace zbk {

QtToolkit::QtToolkit()
    : window_(std::make_unique<QtWindow>()),
      li_(window_->li(), [this] { MoveFocus(FocusControl::kLi); }),
      l_(window_->l(), [this] { MoveFocus(FocusControl::kL); }),
      yes_(window_->yes()),
      e_(window_->e(), [this] { MoveFocus(FocusControl::kE); }),
      pa_(window_->pa()),
      keys_(*window_, window_->yes(), window_->esc()) {
  timer_.setInterval(kTimerInterval);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Deliver(WindowEvent::kTimerTick); });
  QObject::connect(&window_->yes(), &QPushButton::clicked,
                   [this] { Deliver(WindowEvent::kActionClicked); });
  QObject::connect(&window_->esc(), &QPushButton::clicked,
                   [this] { Deliver(WindowEvent::kStopClicked); });
  QObject::connect(&window_->az(), &QToolButton::clicked,
                   [this] { Deliver(WindowEvent::kSortClicked); });
  QObject::connect(&window_->x2(), &QToolButton::clicked,
                   [this] { Deliver(WindowEvent::kEqualSizeClicked); });
  focus_watch_ =
      QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* now) {
        if (const auto control = ControlOf(now)) Entered(*control);
      });
  window_->SetCloseGuard([this] {
    if (!MayClose()) return false;
    timer_.stop();
    return true;
  });
}

QtToolkit::~QtToolkit() {
  // Nothing reaches the handlers while the widgets go.
  QObject::disconnect(focus_watch_);
  Detach();
  timer_.stop();
}

Widgets QtToolkit::widgets() {
  return Widgets{*this, li_, l_, yes_, e_, pa_};
}

std::optional<FocusControl> QtToolkit::ControlOf(const QWidget* widget) const {
  if (widget == &window_->li()) return FocusControl::kLi;
  if (widget == &window_->l()) return FocusControl::kL;
  if (widget == &window_->e()) return FocusControl::kE;
  return std::nullopt;
}

void QtToolkit::MoveFocus(FocusControl control) {
  if (closed()) return;
  switch (control) {
    case FocusControl::kLi:
      window_->li().setFocus(Qt::OtherFocusReason);
      break;
    case FocusControl::kL:
      window_->l().setFocus(Qt::OtherFocusReason);
      break;
    case FocusControl::kE:
      // As when Tab enters it: the text is selected, so typing replaces it.
      window_->e().setFocus(Qt::OtherFocusReason);
      window_->e().selectAll();
      break;
  }
  // An active window has told Entered already; an inactive one tells only
  // when it is activated again, and then the control is the same.
  Entered(control);
}

void QtToolkit::SetCaption(std::string_view caption) {
  window_->setWindowTitle(ToQString(caption));
}

int QtToolkit::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() : 0;
}

void QtToolkit::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtToolkit::CloseWindow() {
  timer_.stop();
  window_->close();  // the close guard lets it: the delivery has closed
}

void QtToolkit::ShowErrorBox(std::string_view message) {
  QMessageBox::critical(window_.get(), QStringLiteral("Zbiorek"), ToQString(message));
}

}  // namespace zbk
