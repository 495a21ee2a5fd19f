// The icon theme's PNGs, rendered from the vector drawing at build time:
// each size its own rendering, not the 32-pixel picture made smaller.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>

namespace {

QImage Icon(int size) {
  return QImage(QStringLiteral(ZBK_ICON_DIR "/%1x%1/zbk.png").arg(size))
      .convertToFormat(QImage::Format_ARGB32);
}

// The mean difference per pixel and channel, premultiplied by alpha, 0-255.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = qPremultiply(a.pixel(x, y));
      const QRgb q = qPremultiply(b.pixel(x, y));
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
    }
  }
  return sum / (4.0 * a.width() * a.height());
}

TEST(Icon, EverySizeIsDrawnAtItsSizeNotReducedFromThe32PixelPicture) {
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon = Icon(size);
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;                    // a transparent corner
    EXPECT_EQ(icon.pixel(size / 2, size - 1), qRgb(0, 0, 0)) << size;  // a sharp outline
  }
  // Not the 32-pixel picture halved, neither the drawn one nor the rendered.
  const auto halved = [](const QImage& image) {
    return image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  const QImage picture = QImage(QStringLiteral(ZBK_RESOURCE_DIR "/zbk_icon.xpm"))
                             .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(32, 32));
  EXPECT_GT(MeanDifference(Icon(16), halved(picture)), 6.0);
  EXPECT_GT(MeanDifference(Icon(16), halved(Icon(32))), 6.0);
}

}  // namespace
