// The window on a screen too low for 27 rows: a 1920 x 1080 screen at a
// scale factor of 2 (960 x 540 device-independent pixels), as the test
// qt.scale2 sets it up. The window stops growing at the bottom of the
// screen's available area, so every widget stays on the screen.
#include <QScreen>

#include "window_rig.h"

namespace zbk::testing {
namespace {

TEST(ScreenFit, EveryWidgetLiesInsideTheAvailableArea) {
  const QScreen& screen = *QGuiApplication::primaryScreen();
  ASSERT_EQ(screen.geometry().size() * screen.devicePixelRatio(), QSize(1920, 1080));
  ASSERT_EQ(screen.devicePixelRatio(), 2.0);
  WindowRig rig;
  rig.Start();
  ASSERT_TRUE(rig.Tick());
  QtWindow& window = rig.toolkit.window();
  const QRect area = screen.availableGeometry();
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(window.frameGeometry().width(), screen.geometry().width() - 2);
  EXPECT_TRUE(area.contains(window.frameGeometry()));
  EXPECT_EQ(window.frameGeometry().bottom(), area.bottom());  // grown as far as it could
  QWidget* const widgets[] = {&window.pan(), &window.li(),  &window.l(),
                              &window.yes(), &window.esc(), &window.e(),
                              &window.az(),  &window.x2(),  &window.pa()};
  for (QWidget* widget : widgets) {
    const QRect global(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    EXPECT_TRUE(area.contains(global)) << widget->metaObject()->className();
  }
  // Fewer than 27 rows fit; the lists show as many as there is room for.
  ListView& li = window.li();
  EXPECT_EQ(li.model()->rowCount(), 27);
  EXPECT_GE(li.viewport()->height(), 20 * 19);
  EXPECT_LT(li.viewport()->height(), 27 * 19);
}

}  // namespace
}  // namespace zbk::testing
