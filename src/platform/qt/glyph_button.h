// A speed button: a graphic button that never takes the focus, with a
// tooltip and a 16 x 16 glyph made for the colour of its face, made again
// whenever the palette changes (a theme switched from light to dark).
#pragma once

#include <QIcon>
#include <QToolButton>

namespace zbk {

class GlyphButton : public QToolButton {
 public:
  using Glyphs = QIcon (*)(const QColor& face);
  GlyphButton(QWidget* parent, Glyphs glyphs, const QString& hint, const QString& name);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  Glyphs glyphs_;
};

}  // namespace zbk
