#include "window/layout.h"

namespace zbk {
namespace {

// One axis: the designed start and length, the anchors at both ends, the
// designed and the actual length of Pan along that axis.
void PlaceAxis(int& start, int& length, bool near, bool far, int designed_pan, int pan) {
  const int far_gap = designed_pan - (start + length);
  if (near && far) {
    length = pan - far_gap - start;
  } else if (far) {
    start = pan - far_gap - length;
  }
}

}  // namespace

Rect Place(WidgetId id, int pan_width, int pan_height) {
  for (const auto& widget : kLayout) {
    if (widget.id != id) continue;
    Rect r = widget.rect;
    PlaceAxis(r.left, r.width, widget.anchors.left, widget.anchors.right, kDesignedPanWidth,
              pan_width);
    PlaceAxis(r.top, r.height, widget.anchors.top, widget.anchors.bottom, kDesignedPanHeight,
              pan_height);
    return r;
  }
  return {};
}

}  // namespace zbk
