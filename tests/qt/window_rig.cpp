#include "window_rig.h"

#include <unistd.h>

#include <QApplication>
#include <climits>
#include <stdexcept>

#include "platform/encoding/cp1250.h"
#include "platform/qt/qt_text.h"

namespace zbk::testing {
namespace {

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) throw std::runtime_error("getcwd failed");
  return buffer;
}

}  // namespace

WindowRig::WindowRig(Drives& drives)
    : fo(Os{drives, files, hosts}, toolkit.widgets()), previous_folder_(CurrentFolder()) {
  if (chdir(work.path().c_str()) != 0) throw std::runtime_error("chdir failed");
  toolkit.SetErrorSink([this](std::string_view message) { errors.emplace_back(message); });
}

WindowRig::~WindowRig() {
  if (chdir(previous_folder_.c_str()) != 0) std::abort();
}

void WindowRig::Start() {
  toolkit.Start(fo);
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

void WindowRig::ClickRow(ListView& view, int row) {
  const QRect rect = view.visualRect(view.model()->index(row, 0));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

std::string WindowRig::YesCaption() const {
  return Cp1250ToUtf8(fo.state().w.Yes.Caption());
}

std::vector<std::string> Rows(const ListBox& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.Count(); ++i) rows.push_back(Cp1250ToUtf8(list.Row(i)));
  return rows;
}

}  // namespace zbk::testing
