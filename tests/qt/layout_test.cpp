// The window after start-up: where everything stands, how it follows a
// resize, and what the widgets show.
#include <QScreen>

#include "window_rig.h"

namespace zbk::testing {
namespace {

QRect At(int left, int top, int width, int height) {
  return {left, top, width, height};
}

class QtLayout : public StartedWindow {};

TEST_F(QtLayout, WindowLiesAcrossTheScreenWithPanTallEnoughFor27Rows) {
  QtWindow& window = rig.toolkit.window();
  const int screen = QGuiApplication::primaryScreen()->geometry().width();
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(window.frameGeometry().width(), screen - 2);
  const int w = window.width();
  EXPECT_EQ(window.pan().geometry(), At(0, 0, w, 587));
  EXPECT_EQ(window.height(), 587);
  EXPECT_EQ(window.li().geometry(), At(5, 5, 411, 517));
  EXPECT_EQ(window.l().geometry(), At(420, 5, w - 425, 517));
  EXPECT_EQ(window.yes().geometry(), At(5, 527, 110, 25));
  EXPECT_EQ(window.esc().geometry(), At(120, 527, 80, 25));
  EXPECT_EQ(window.e().geometry(), At(205, 526, w - 270, 27));
  EXPECT_EQ(window.az().geometry(), At(w - 60, 527, 25, 25));
  EXPECT_EQ(window.x2().geometry(), At(w - 30, 527, 25, 25));
  EXPECT_EQ(window.pa().geometry(), At(5, 557, w - 10, 25));
}

TEST_F(QtLayout, ListsShowTheHeaderAndAll26DrivesAfterTheFirstTick) {
  ASSERT_TRUE(rig.Tick());
  ListView& li = rig.toolkit.window().li();
  EXPECT_EQ(li.model()->rowCount(), 27);
  EXPECT_EQ(li.viewport()->height(), 27 * 19);
  for (int row = 0; row < 27; ++row) {
    const QRect rect = li.visualRect(li.model()->index(row, 0));
    EXPECT_EQ(rect.height(), 19);
    EXPECT_TRUE(li.viewport()->rect().contains(rect)) << "row " << row << " is in view";
  }
  EXPECT_EQ(rig.toolkit.window().l().model()->rowCount(), 26);
}

TEST_F(QtLayout, WidgetsKeepTheirDistancesToTheAnchoredEdges) {
  QtWindow& window = rig.toolkit.window();
  const int w = window.width() - 150;
  window.resize(w, 400);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() == w; }));
  EXPECT_EQ(window.pan().geometry(), At(0, 0, w, 400));
  EXPECT_EQ(window.li().geometry(), At(5, 5, 411, 330));
  EXPECT_EQ(window.l().geometry(), At(420, 5, w - 425, 330));
  EXPECT_EQ(window.yes().geometry(), At(5, 340, 110, 25));
  EXPECT_EQ(window.e().geometry(), At(205, 339, w - 270, 27));
  EXPECT_EQ(window.x2().geometry(), At(w - 30, 340, 25, 25));
  EXPECT_EQ(window.pa().geometry(), At(5, 370, w - 10, 25));
}

TEST_F(QtLayout, TheWindowGoesNoSmallerThanKeepsEverythingUsable) {
  QtWindow& window = rig.toolkit.window();
  window.resize(300, 100);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == window.minimumSize(); }));
  EXPECT_GE(window.li().viewport()->height(), 5 * 19);
  EXPECT_GE(window.l().viewport()->width(),
            20 * window.l().fontMetrics().horizontalAdvance(QLatin1Char('0')));
  const QRect pan = window.pan().rect();
  QWidget* const bottom_row[] = {&window.yes(), &window.esc(), &window.e(), &window.az(),
                                 &window.x2()};
  for (QWidget* widget : bottom_row) {
    EXPECT_TRUE(pan.contains(widget->geometry()));
    EXPECT_GT(widget->geometry().top(), window.l().geometry().bottom());
    EXPECT_LT(widget->geometry().bottom(), window.pa().geometry().top());
  }
  EXPECT_LT(window.e().geometry().right(), window.az().geometry().left());
  EXPECT_GE(window.e().width(), 300);
  EXPECT_TRUE(pan.contains(window.pa().geometry()));
}

TEST_F(QtLayout, WidgetsShowTheirDesignedTextsFontAndPictures) {
  QtWindow& window = rig.toolkit.window();
  EXPECT_EQ(window.windowTitle().toStdString(), "");
  EXPECT_EQ(window.yes().text().toStdString(), "Analizuj");
  EXPECT_EQ(window.esc().text().toStdString(), "Wyjdź");
  EXPECT_EQ(window.e().text().toStdString(), " Wpisz, czego szukasz i naciśnij [Enter].");
  EXPECT_EQ(window.pa().caption().toStdString(), " Pa");
  EXPECT_EQ(window.az().toolTip().toStdString(), " Sortuj listę ");
  EXPECT_EQ(window.x2().toolTip().toStdString(), " Porównaj wielkość ");
  EXPECT_EQ(window.li().viewport()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.az().cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(32, 32));
  EXPECT_FALSE(window.az().icon().isNull());
  EXPECT_NE(window.x2().icon().pixmap(16, 16, QIcon::Disabled).toImage(),
            window.x2().icon().pixmap(16, 16, QIcon::Normal).toImage());
  const QFont font = window.l().font();
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(QFontInfo(font).fixedPitch());
  // 44 columns of a drive row fit the drive list's inside.
  EXPECT_LE(QFontMetrics(font).horizontalAdvance(QString(44, QLatin1Char('0'))),
            window.li().viewport()->width() - 2);
  EXPECT_TRUE(rig.timer_was_running);
  EXPECT_EQ(rig.timer_interval, 2500);
}

TEST_F(QtLayout, CaptionShowsTheRunningTimeFromTheSecondTick) {
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.toolkit.window().windowTitle().toStdString(), "");
  ASSERT_TRUE(rig.Tick());
  EXPECT_EQ(rig.toolkit.window().windowTitle().toStdString(), "  jan  on  PC1   5 s");
}

}  // namespace
}  // namespace zbk::testing
