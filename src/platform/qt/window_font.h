// The font of the window and of every widget in it: "Consolas" bold with an
// em of 16 pixels where it is installed, else DejaVu Sans Mono bold (or
// another monospaced font that is present) of the same em, narrowed to
// Consolas's pitch where it is wider, so that a whole drive row
// (kDriveRowLength characters) fits the drive list as designed.
#pragma once

#include <QFont>

namespace zbk {

QFont WindowFont();

}  // namespace zbk
