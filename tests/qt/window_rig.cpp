#include "window_rig.h"

#include <QApplication>
#include <stdexcept>

#include "platform/encoding/cp1250.h"
#include "platform/qt/qt_text.h"

namespace zbk::testing {

WindowRig::WindowRig(Drives* own_drives)
    : fo(Os{own_drives != nullptr ? *own_drives : drives, files, hosts}, toolkit.widgets()) {
  Attach(toolkit, fo);
}

void WindowRig::Start() {
  toolkit.Start(handlers);
  timer_was_running = toolkit.timer().isActive();
  timer_interval = toolkit.timer().interval();
  QtWindow& window = toolkit.window();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) throw std::runtime_error("window not active");
  toolkit.timer().stop();
  if (!QTest::qWaitFor([this] { return Shown(); })) throw std::runtime_error("rows not shown");
}

bool WindowRig::Shown() {
  return toolkit.window().li().model()->rowCount() == toolkit.li().Count() &&
         toolkit.window().l().model()->rowCount() == toolkit.l().Count();
}

bool WindowRig::Tick() {
  const std::uint32_t before = state().TickCount;
  QTimer& timer = toolkit.timer();
  const int interval = timer.interval();
  timer.setSingleShot(true);
  timer.start(1);
  const bool ticked = QTest::qWaitFor([&] { return state().TickCount == before + 1; }, 2000);
  timer.setSingleShot(false);
  timer.setInterval(interval);
  return ticked && QTest::qWaitFor([this] { return Shown(); });
}

void WindowRig::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &toolkit.window(), key, modifiers);
}

void WindowRig::Type(const QString& text) {
  QTest::keyClicks(QApplication::focusWidget(), text);
}

std::string WindowRig::YesCaption() const {
  return Cp1250ToUtf8(state().w.Yes.Caption());
}

void WindowRig::Do(UserAction action) {
  switch (action) {
    case UserAction::kTab:
      return Key(Qt::Key_Tab);
    case UserAction::kEnter:
      return Key(Qt::Key_Return);
    case UserAction::kEsc:
      return Key(Qt::Key_Escape);
    case UserAction::kClickYes:
      return QTest::mouseClick(&toolkit.window().yes(), Qt::LeftButton);
    case UserAction::kCloseByTitleBar:
      toolkit.window().close();
      return;
  }
}

void WindowRig::DoWhileItRuns(UserAction start, UserAction during) {
  QTimer::singleShot(0, [this, during] { Do(during); });
  Do(start);
}

void WindowRig::SetQuery(std::string_view cp1250) {
  toolkit.window().e().setText(ToQString(cp1250));
}

std::optional<FocusControl> WindowRig::Focused() {
  const QWidget* focus = QApplication::focusWidget();
  QtWindow& window = toolkit.window();
  if (focus == &window.li()) return FocusControl::kLi;
  if (focus == &window.l()) return FocusControl::kL;
  if (focus == &window.e()) return FocusControl::kE;
  return std::nullopt;
}

std::string WindowRig::Status() {
  return FromQString(toolkit.window().pa().caption());
}

bool WindowRig::closed() {
  return toolkit.closed() && !toolkit.window().isVisible() && !toolkit.timer().isActive();
}

std::vector<std::string> Rows(const ListBox& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.Count(); ++i) rows.push_back(Cp1250ToUtf8(list.Row(i)));
  return rows;
}

}  // namespace zbk::testing
