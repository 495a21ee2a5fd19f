#include "platform/qt/pictures.h"

#include <QPixmap>

#include "resources/az.xpm"
#include "resources/x2.xpm"
#include "resources/x2_disabled.xpm"
#include "resources/zbk_icon.xpm"

namespace zbk {

QIcon ProgramIcon() {
  return QIcon(QPixmap(zbk_icon_xpm));
}

QIcon SortGlyph() {
  return QIcon(QPixmap(az_xpm));
}

QIcon EqualSizeGlyphs() {
  QIcon icon{QPixmap(x2_xpm)};
  icon.addPixmap(QPixmap(x2_disabled_xpm), QIcon::Disabled);
  return icon;
}

}  // namespace zbk
