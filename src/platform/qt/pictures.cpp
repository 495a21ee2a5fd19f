#include "platform/qt/pictures.h"

#include <QImage>
#include <QPixmap>

#include "resources/az.xpm"
#include "resources/x2.xpm"
#include "resources/x2_disabled.xpm"
#include "resources/zbk_icon.xpm"

namespace zbk {
namespace {

// The glyph as drawn, or with every colour's lightness turned over.
QPixmap Glyph(const char* const* xpm, const QColor& face) {
  QImage image = QPixmap(xpm).toImage().convertToFormat(QImage::Format_ARGB32);
  if (IsDarkFace(face)) {
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour.alpha() == 0) continue;
        image.setPixelColor(x, y,
                            QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                            255 - colour.lightness(), colour.alpha()));
      }
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

bool IsDarkFace(const QColor& face) {
  return face.lightness() < 128;
}

QIcon ProgramIcon() {
  return QIcon(QPixmap(zbk_icon_xpm));
}

QIcon SortGlyph(const QColor& face) {
  return QIcon(Glyph(az_xpm, face));
}

QIcon EqualSizeGlyphs(const QColor& face) {
  QIcon icon{Glyph(x2_xpm, face)};
  icon.addPixmap(Glyph(x2_disabled_xpm, face), QIcon::Disabled);
  return icon;
}

}  // namespace zbk
