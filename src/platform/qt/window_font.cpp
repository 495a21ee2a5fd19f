#include "platform/qt/window_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>

namespace zbk {
namespace {

constexpr int kEmPixels = 16;
// Consolas's advance is 1126/2048 of its em.
constexpr double kDesignedPitch = kEmPixels * 1126.0 / 2048.0;

}  // namespace

QFont WindowFont() {
  const bool designed = QFontDatabase::hasFamily(QStringLiteral("Consolas"));
  QFont font(designed ? QStringLiteral("Consolas") : QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setBold(true);
  font.setPixelSize(kEmPixels);
  const double pitch = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
  if (!designed && pitch > kDesignedPitch) {
    font.setStretch(static_cast<int>(std::floor(100.0 * kDesignedPitch / pitch)));
  }
  return font;
}

}  // namespace zbk
