// Pixels on screens of any density. The layout is designed for 96 pixels
// per inch; on a denser screen every number of it is multiplied by DPI/96,
// so the window looks the same everywhere, only sharper.
#pragma once

#include <windows.h>

namespace zbk {

inline constexpr int kDesignedDpi = 96;

struct Dpi {
  int value = kDesignedDpi;

  // A length of the layout on this screen, rounded to the nearest pixel.
  int Scale(int designed) const { return MulDiv(designed, value, kDesignedDpi); }
  // Screen pixels back in the layout's pixels, rounded.
  int Unscale(int pixels) const { return MulDiv(pixels, kDesignedDpi, value); }
  // A list row's height: rounded down, so that the rows the layout makes
  // room for still fit the list scaled.
  int ScaleRow(int designed) const { return designed * value / kDesignedDpi; }
};

// The pixel density the window is shown at: its monitor's where the system
// knows one per monitor (Windows 10 and later), else the system's.
Dpi WindowDpi(HWND window);

// Makes the calling process aware of the pixel density, as the manifest
// makes Zbk.exe; for programs without that manifest (tests).
void BecomeDpiAware();

}  // namespace zbk
