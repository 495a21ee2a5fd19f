#include "platform/qt/glyph_button.h"

#include <QEvent>

namespace zbk {

GlyphButton::GlyphButton(QWidget* parent, Glyphs glyphs, const QString& hint, const QString& name)
    : QToolButton(parent), glyphs_(glyphs) {
  setIcon(glyphs_(palette().color(QPalette::Button)));
  setIconSize(QSize(16, 16));
  setToolTip(hint);
  setAccessibleName(name);
  setFocusPolicy(Qt::NoFocus);
}

void GlyphButton::changeEvent(QEvent* event) {
  QToolButton::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) setIcon(glyphs_(palette().color(QPalette::Button)));
}

}  // namespace zbk
