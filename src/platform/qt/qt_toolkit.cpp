#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "app/layout.h"
#include "platform/qt/qt_text.h"

namespace zbk {

QtToolkit::QtToolkit()
    : window_(std::make_unique<QtWindow>()),
      li_(window_->li(), [this] { MoveFocus(Control::kLi); }),
      l_(window_->l(), [this] { MoveFocus(Control::kL); }),
      yes_(window_->yes()),
      e_(window_->e(), [this] { MoveFocus(Control::kE); }),
      pa_(window_->pa()),
      keys_(*window_, window_->yes(), window_->esc()) {
  timer_.setInterval(kTimerInterval);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(Handler::kTTimer); });
  QObject::connect(&window_->yes(), &QPushButton::clicked, [this] { Fire(Handler::kYClick); });
  QObject::connect(&window_->esc(), &QPushButton::clicked, [this] { Fire(Handler::kEClick); });
  QObject::connect(&window_->az(), &QToolButton::clicked, [this] { Fire(Handler::kAClick); });
  QObject::connect(&window_->x2(), &QToolButton::clicked, [this] { Fire(Handler::kXClick); });
  focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged,
                                  [this](QWidget*, QWidget* now) { Entered(ControlOf(now)); });
  window_->SetCloseGuard([this] { return MayClose(); });
}

QtToolkit::~QtToolkit() {
  // Nothing reaches the handlers while the widgets go.
  QObject::disconnect(focus_watch_);
  handlers_ = nullptr;
  closed_ = true;
  timer_.stop();
}

Widgets QtToolkit::widgets() {
  return Widgets{*this, li_, l_, yes_, e_, pa_};
}

void QtToolkit::Start(WindowHandlers& handlers) {
  handlers_ = &handlers;
  Fire(Handler::kFCreat);
  window_->show();
  shown_ = true;
  MoveFocus(Control::kLi);
  timer_.start();
}

void QtToolkit::Fire(Handler handler) {
  if (closed_ || handlers_ == nullptr) return;
  ++depth_;
  Deliver(*handlers_, handler, *this);
  --depth_;
  if (depth_ == 0 && close_requested_ && !closed_) {
    close_requested_ = false;
    window_->close();
  }
}

std::optional<QtToolkit::Control> QtToolkit::ControlOf(const QWidget* widget) const {
  if (widget == nullptr) return std::nullopt;
  if (widget == &window_->li()) return Control::kLi;
  if (widget == &window_->l()) return Control::kL;
  if (widget == &window_->e()) return Control::kE;
  return std::nullopt;
}

void QtToolkit::MoveFocus(Control control) {
  if (closed_) return;
  switch (control) {
    case Control::kLi:
      window_->li().setFocus(Qt::OtherFocusReason);
      break;
    case Control::kL:
      window_->l().setFocus(Qt::OtherFocusReason);
      break;
    case Control::kE:
      // As when Tab enters it: the text is selected, so typing replaces it.
      window_->e().setFocus(Qt::OtherFocusReason);
      window_->e().selectAll();
      break;
  }
  // An active window has told Entered already; an inactive one tells only
  // when it is activated again, and then the control is the same.
  Entered(control);
}

void QtToolkit::Entered(std::optional<Control> control) {
  if (!shown_ || !control || control == entered_) return;
  entered_ = control;
  Fire(EnterHandler(*control));
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

bool QtToolkit::MayClose() {
  if (closed_) return true;
  if (depth_ > 0) {
    close_requested_ = true;
    return false;
  }
  closed_ = true;
  timer_.stop();
  return true;
}

void QtToolkit::Close() {
  if (closed_) return;
  if (depth_ > 0) {
    close_requested_ = true;
    return;
  }
  window_->close();
}

void QtToolkit::ShowError(std::string_view message) {
  if (error_sink_) return error_sink_(message);
  QMessageBox::critical(window_.get(), QStringLiteral("Zbiorek"), ToQString(message));
}

}  // namespace zbk
