// The window on a screen too low for 27 rows: a 1920 x 1080 screen at a
// scale factor of 2 (960 x 540 device-independent pixels), as the test
// qt.scale2 sets it up. The window stops growing at the bottom of the
// screen's available area, so every widget stays on the screen.
#include <QScreen>
#include <QTest>

#include "platform/drivetable/drive_table.h"
#include "suites.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

class ScreenFitSuite : public QObject {
  Q_OBJECT

 private slots:
  void everyWidgetLiesInsideTheAvailableArea() {
    const QScreen& screen = *QGuiApplication::primaryScreen();
    QCOMPARE(screen.geometry().size() * screen.devicePixelRatio(), QSize(1920, 1080));
    QCOMPARE(screen.devicePixelRatio(), 2.0);
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QVERIFY(rig.Tick());
    QtWindow& window = rig.toolkit.window();
    const QRect area = screen.availableGeometry();
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(1, 1));
    QCOMPARE(window.frameGeometry().width(), screen.geometry().width() - 2);
    QVERIFY(area.contains(window.frameGeometry()));
    QCOMPARE(window.frameGeometry().bottom(), area.bottom());  // grown as far as it could
    QWidget* const widgets[] = {&window.pan(), &window.li(),  &window.l(),
                                &window.yes(), &window.esc(), &window.e(),
                                &window.az(),  &window.x2(),  &window.pa()};
    for (QWidget* widget : widgets) {
      const QRect global(widget->mapToGlobal(QPoint(0, 0)), widget->size());
      QVERIFY2(area.contains(global), qPrintable(widget->metaObject()->className()));
    }
    // Fewer than 27 rows fit; the lists show as many as there is room for.
    ListView& li = window.li();
    QCOMPARE(li.model()->rowCount(), 27);
    QVERIFY(li.viewport()->height() >= 20 * 19 && li.viewport()->height() < 27 * 19);
  }
};

}  // namespace

std::unique_ptr<QObject> NewScreenFitSuite() {
  return std::make_unique<ScreenFitSuite>();
}

}  // namespace zbk::testing

#include "screen_fit_test.moc"
