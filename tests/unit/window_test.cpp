// The main window: start-up, the layout and the status line. Its commands,
// keys and closing are the window's contract (window_contract_test.cpp).
#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "text/framed_number.h"
#include "text/literal.h"
#include "window/host_caption.h"
#include "window/layout.h"
#include "window/status_line.h"

namespace zbk::testing {
namespace {

TEST(FCreat, PlacesTheWindowAcrossTheScreenWithRoomFor27Rows) {
  WindowFixture f(1920);
  f.Start();
  EXPECT_EQ(f.toolkit.left(), 1);
  EXPECT_EQ(f.toolkit.top(), 1);
  EXPECT_EQ(f.toolkit.width(), 1918);
  EXPECT_EQ(f.toolkit.PanelHeight(), kPanHeight);
  EXPECT_EQ(f.toolkit.panel_width(), f.toolkit.ClientWidth());
  EXPECT_EQ(f.toolkit.li().rows(),
            std::vector<std::string>{" ?  typ dysku  nazwa            wolne   w GB"});
  ASSERT_EQ(f.toolkit.l().Count(), 26);
  EXPECT_EQ(f.toolkit.l().Row(0), "  ");
  EXPECT_EQ(
      f.toolkit.l().Row(25),
      std::string("  Wtedy, nawet jak skatologujemy cudze dyski to możemy w nich szukać."_cp));
  EXPECT_EQ(f.toolkit.caption(), "");
  EXPECT_EQ(f.status(), " Pa");
  EXPECT_EQ(f.state().HostCaption.str(), "  jan  on  PC1");
  EXPECT_EQ(f.toolkit.focus(), FocusControl::kLi);
}

TEST(FCreat, GrowingTheWindowEndsOnAScreenTooLowForIt) {
  WindowFixture f(800, 400);
  f.Start();
  EXPECT_EQ(f.toolkit.Height(), 400);
  EXPECT_LT(f.toolkit.PanelHeight(), kPanHeight);
}

TEST(Layout, AnchorsStretchAndMoveWithThePanel) {
  const int w = 1910;
  EXPECT_EQ(Place(WidgetId::kLi, w, kPanHeight), (Rect{5, 5, 411, 517}));
  EXPECT_EQ(Place(WidgetId::kL, w, kPanHeight), (Rect{420, 5, w - 425, 517}));
  EXPECT_EQ(Place(WidgetId::kYes, w, kPanHeight), (Rect{5, 527, 110, 25}));
  EXPECT_EQ(Place(WidgetId::kEsc, w, kPanHeight), (Rect{120, 527, 80, 25}));
  EXPECT_EQ(Place(WidgetId::kE, w, kPanHeight), (Rect{205, 526, w - 270, 27}));
  EXPECT_EQ(Place(WidgetId::kAZ, w, kPanHeight), (Rect{w - 60, 527, 25, 25}));
  EXPECT_EQ(Place(WidgetId::kX2, w, kPanHeight), (Rect{w - 30, 527, 25, 25}));
  EXPECT_EQ(Place(WidgetId::kPa, w, kPanHeight), (Rect{5, 557, w - 10, 25}));
  // 517 pixels inside a 2-pixel border hold exactly 27 rows of 19.
  EXPECT_EQ((517 - 4) / kListRowHeight, 27);
}

TEST(HostCaption, NamesAreTrimmedAtTheEndOnly) {
  std::string name("PC1  \t\x01", 7);
  TrimName(name);
  EXPECT_EQ(name, "PC1");
  name = std::string("  jan\0garbage", 13);
  TrimName(name);
  EXPECT_EQ(name, "  jan");
  EXPECT_EQ(NameFromSystem(std::string(29, 'u')), std::string(29, 'u'));
  EXPECT_EQ(NameFromSystem(std::string(40, 'u')), std::string(29, 'u'));
  FixedHosts hosts;
  hosts.user = " \t ";
  EXPECT_EQ(BuildHostCaption(hosts).str(), "    on  PC1");
}

TEST(StatusLine, FramesMessagesAndCountsWithin250Characters) {
  EXPECT_EQ(FramedNumber(0).str(), " 0 ");
  EXPECT_EQ(FramedNumber(42).str(), " 42 ");
  EXPECT_EQ(FramedNumber(4294967295u).str(), " 4294967295 ");
  EXPECT_EQ(FramedNumber(static_cast<std::uint32_t>(-5)).str(), " 4294967291 ");

  WindowFixture f;
  StatusLine status(f.toolkit.pa(), f.toolkit);
  status.ShowStatus("Zatrzymane");
  EXPECT_EQ(f.status(), " Zatrzymane.");
  EXPECT_EQ(status.LastStatus().str(), " Zatrzymane.");
  status.ShowStatus("");
  EXPECT_EQ(f.status(), " .");
  status.ShowStatus("Przeszukuję pliki *.TXT"_cp);
  status.ShowProgress(1000);
  EXPECT_EQ(f.status(), std::string(" Przeszukuję pliki *.TXT. 1000 "_cp));
  EXPECT_EQ(status.LastStatus().str(), std::string(" Przeszukuję pliki *.TXT."_cp));
  const std::string long_message(250, 'm');
  status.ShowStatus(long_message);
  EXPECT_EQ(status.LastStatus().str(), " " + std::string(249, 'm'));
  status.ShowProgress(7);
  EXPECT_EQ(f.status(), status.LastStatus().str());
  // Every write lets waiting messages through.
  const int before = f.toolkit.processed();
  status.ShowProgress(8);
  EXPECT_EQ(f.toolkit.processed(), before + 1);
}

}  // namespace
}  // namespace zbk::testing
