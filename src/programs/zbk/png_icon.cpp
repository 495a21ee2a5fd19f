// zbk-png-icon IN.xpm SIZE OUT.png: the program's XPM icon as a PNG of
// SIZE x SIZE pixels, for the icon theme's sizes. The picture is enlarged
// pixel by pixel to a whole multiple of its size at least twice SIZE, then
// averaged down to SIZE, so that the large sizes keep sharp pixels and the
// sizes between whole multiples come out evenly.
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: zbk-png-icon IN.xpm SIZE OUT.png\n", stderr);
    return 2;
  }
  const int size = std::atoi(argv[2]);
  QImageReader reader(QString::fromLocal8Bit(argv[1]), "xpm");
  const QImage picture = reader.read();
  if (picture.isNull() || picture.width() != picture.height() || size < 1 || size > 1024) {
    std::fprintf(stderr, "zbk-png-icon: cannot read a square picture from %s, or bad size %s\n",
                 argv[1], argv[2]);
    return 1;
  }
  const int side = picture.width();
  const int factor = (2 * size + side - 1) / side;
  const QImage large =
      picture.convertToFormat(QImage::Format_ARGB32)
          .scaled(side * factor, side * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage icon = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (!icon.save(QString::fromLocal8Bit(argv[3]), "png")) {
    std::fprintf(stderr, "zbk-png-icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
