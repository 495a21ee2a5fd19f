// The window after start-up: where everything stands, how it follows a
// resize, and what the widgets show.
#include <QScreen>
#include <QTest>

#include "platform/drivetable/drive_table.h"
#include "platform/encoding/cp1250.h"
#include "suites.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

QRect At(int left, int top, int width, int height) {
  return {left, top, width, height};
}

class LayoutSuite : public QObject {
  Q_OBJECT

 private slots:
  void windowLiesAcrossTheScreenWithPanTallEnoughFor27Rows() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    const int screen = QGuiApplication::primaryScreen()->geometry().width();
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(1, 1));
    QCOMPARE(window.frameGeometry().width(), screen - 2);
    const int w = window.width();
    QCOMPARE(window.pan().geometry(), At(0, 0, w, 587));
    QCOMPARE(window.height(), 587);
    QCOMPARE(window.li().geometry(), At(5, 5, 411, 517));
    QCOMPARE(window.l().geometry(), At(420, 5, w - 425, 517));
    QCOMPARE(window.yes().geometry(), At(5, 527, 110, 25));
    QCOMPARE(window.esc().geometry(), At(120, 527, 80, 25));
    QCOMPARE(window.e().geometry(), At(205, 526, w - 270, 27));
    QCOMPARE(window.az().geometry(), At(w - 60, 527, 25, 25));
    QCOMPARE(window.x2().geometry(), At(w - 30, 527, 25, 25));
    QCOMPARE(window.pa().geometry(), At(5, 557, w - 10, 25));
  }

  void listsShowTheHeaderAndAll26DrivesAfterTheFirstTick() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QVERIFY(rig.Tick());
    ListView& li = rig.toolkit.window().li();
    QCOMPARE(li.model()->rowCount(), 27);
    QCOMPARE(li.viewport()->height(), 27 * 19);
    for (int row = 0; row < 27; ++row) {
      const QRect rect = li.visualRect(li.model()->index(row, 0));
      QCOMPARE(rect.height(), 19);
      QVERIFY2(li.viewport()->rect().contains(rect), "every row is in view");
    }
    QCOMPARE(rig.toolkit.window().l().model()->rowCount(), 26);
  }

  void widgetsKeepTheirDistancesToTheAnchoredEdges() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    const int w = window.width() - 150;
    window.resize(w, 400);
    QTRY_COMPARE(window.width(), w);
    QCOMPARE(window.pan().geometry(), At(0, 0, w, 400));
    QCOMPARE(window.li().geometry(), At(5, 5, 411, 330));
    QCOMPARE(window.l().geometry(), At(420, 5, w - 425, 330));
    QCOMPARE(window.yes().geometry(), At(5, 340, 110, 25));
    QCOMPARE(window.e().geometry(), At(205, 339, w - 270, 27));
    QCOMPARE(window.x2().geometry(), At(w - 30, 340, 25, 25));
    QCOMPARE(window.pa().geometry(), At(5, 370, w - 10, 25));
  }

  void theWindowGoesNoSmallerThanKeepsEverythingUsable() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    window.resize(300, 100);
    QTRY_COMPARE(window.size(), window.minimumSize());
    QVERIFY(window.li().viewport()->height() >= 5 * 19);
    QVERIFY(window.l().viewport()->width() >=
            20 * window.l().fontMetrics().horizontalAdvance(QLatin1Char('0')));
    const QRect pan = window.pan().rect();
    QWidget* const bottom_row[] = {&window.yes(), &window.esc(), &window.e(), &window.az(),
                                   &window.x2()};
    for (QWidget* widget : bottom_row) {
      QVERIFY(pan.contains(widget->geometry()));
      QVERIFY(widget->geometry().top() > window.l().geometry().bottom());
      QVERIFY(widget->geometry().bottom() < window.pa().geometry().top());
    }
    QVERIFY(window.e().geometry().right() < window.az().geometry().left());
    QVERIFY(window.e().width() >= 300);
    QVERIFY(pan.contains(window.pa().geometry()));
  }

  void widgetsShowTheirDesignedTextsFontAndPictures() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    QCOMPARE(window.windowTitle(), QString());
    QCOMPARE(window.yes().text(), QString::fromUtf8("Analizuj"));
    QCOMPARE(window.esc().text(), QString::fromUtf8("Wyjdź"));
    QCOMPARE(window.e().text(), QString::fromUtf8(" Wpisz, czego szukasz i naciśnij [Enter]."));
    QCOMPARE(window.pa().caption(), QString::fromUtf8(" Pa"));
    QCOMPARE(window.az().toolTip(), QString::fromUtf8(" Sortuj listę "));
    QCOMPARE(window.x2().toolTip(), QString::fromUtf8(" Porównaj wielkość "));
    QCOMPARE(window.li().viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(window.az().cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().availableSizes().value(0), QSize(32, 32));
    QVERIFY(!window.az().icon().isNull());
    QVERIFY(window.x2().icon().pixmap(16, 16, QIcon::Disabled).toImage() !=
            window.x2().icon().pixmap(16, 16, QIcon::Normal).toImage());
    const QFont font = window.l().font();
    QVERIFY(font.bold());
    QCOMPARE(font.pixelSize(), 16);
    QVERIFY(QFontInfo(font).fixedPitch());
    // 44 columns of a drive row fit the drive list's inside.
    QVERIFY(QFontMetrics(font).horizontalAdvance(QString(44, QLatin1Char('0'))) <=
            window.li().viewport()->width() - 2);
    QVERIFY(rig.timer_was_running);
    QCOMPARE(rig.timer_interval, 2500);
  }

  void captionShowsTheRunningTimeFromTheSecondTick() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QVERIFY(rig.Tick());
    QCOMPARE(rig.toolkit.window().windowTitle(), QString());
    QVERIFY(rig.Tick());
    QCOMPARE(rig.toolkit.window().windowTitle(), QString::fromUtf8("  jan  on  PC1   5 s"));
  }
};

}  // namespace

std::unique_ptr<QObject> NewLayoutSuite() {
  return std::make_unique<LayoutSuite>();
}

}  // namespace zbk::testing

#include "layout_test.moc"
