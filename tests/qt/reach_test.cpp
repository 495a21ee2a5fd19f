// What a user with a dark theme or a screen reader meets: the speed
// buttons' glyphs readable on a dark face and as drawn on a light one, and
// a Polish name for every control, read the way a screen reader reads it.
#include <QAccessible>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <map>

#include "platform/qt/pictures.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

class QtReach : public StartedWindow {};

// The relative luminance of a colour and the contrast of two, as the
// accessibility guidelines define them (1 to 21).
double Luminance(QRgb rgb) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The button as shown: its commonest colour is the face; the glyph's
// contrast is that of its pixel farthest from the face.
double GlyphContrast(QWidget& button) {
  const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  QRgb face = 0;
  int most = 0;
  for (const auto& [rgb, count] : counts) {
    if (count > most) face = rgb, most = count;
  }
  double best = 1;
  const QRect glyph(image.width() / 2 - 8, image.height() / 2 - 8, 16, 16);
  for (int y = glyph.top(); y <= glyph.bottom(); ++y)
    for (int x = glyph.left(); x <= glyph.right(); ++x)
      best = std::max(best, Contrast(image.pixel(x, y), face));
  return best;
}

QPalette DarkPalette() {
  QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
  return dark;
}

TEST_F(QtReach, SpeedButtonGlyphsAreReadableOnADarkFaceAndAsDrawnOnALightOne) {
  QtWindow& window = rig.toolkit.window();
  const QImage drawn(QStringLiteral(ZBK_RESOURCE_DIR "/az.xpm"));
  const QColor light_face = window.az().palette().color(QPalette::Button);
  ASSERT_FALSE(IsDarkFace(light_face));
  EXPECT_EQ(window.az().icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
            drawn.convertToFormat(QImage::Format_ARGB32));
  EXPECT_GE(GlyphContrast(window.az()), 4.5);

  window.setPalette(DarkPalette());
  for (QWidget* button :
       {static_cast<QWidget*>(&window.az()), static_cast<QWidget*>(&window.x2())}) {
    ASSERT_TRUE(IsDarkFace(button->palette().color(QPalette::Button)));
    EXPECT_GE(GlyphContrast(*button), 3.0) << button->toolTip().toStdString();
  }
  window.setPalette(QPalette());
  EXPECT_EQ(window.az().icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
            drawn.convertToFormat(QImage::Format_ARGB32));
}

std::string AccessibleName(QWidget& widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face != nullptr ? face->text(QAccessible::Name).toStdString() : "(none)";
}

TEST_F(QtReach, EveryControlHasAPolishNameForScreenReaders) {
  QtWindow& window = rig.toolkit.window();
  EXPECT_EQ(AccessibleName(window.li()), "Lista dysków");
  EXPECT_EQ(AccessibleName(window.l()), "Lista wyników");
  EXPECT_EQ(AccessibleName(window.e()), "Szukane słowa");
  EXPECT_EQ(AccessibleName(window.az()), "Sortuj listę");
  EXPECT_EQ(AccessibleName(window.x2()), "Porównaj wielkość");
  EXPECT_EQ(AccessibleName(window.pa()), "Pasek stanu");
  EXPECT_EQ(AccessibleName(window.esc()), "Wyjdź");
  // The action button is named by the command it runs.
  EXPECT_EQ(AccessibleName(window.yes()), "Analizuj");
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Tab);
  EXPECT_EQ(AccessibleName(window.yes()), rig.YesCaption());
  EXPECT_NE(rig.YesCaption(), "Analizuj");
}

}  // namespace
}  // namespace zbk::testing
