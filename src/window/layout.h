// The window's designed layout: every widget's place on the panel Pan as
// designed (Pan 492 x 108 pixels) and the edges it is anchored to. A widget
// keeps its distance to each anchored edge of Pan; anchored on two opposite
// edges it stretches. The toolkits place the widgets with Place().
#pragma once

#include <array>

namespace zbk {

enum class WidgetId { kLi, kL, kYes, kEsc, kE, kAZ, kX2, kPa };

struct Rect {
  int left;
  int top;
  int width;
  int height;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Anchors {
  bool left;
  bool top;
  bool right;
  bool bottom;
};

struct DesignedWidget {
  WidgetId id;
  Rect rect;
  Anchors anchors;
};

inline constexpr int kDesignedPanWidth = 492;
inline constexpr int kDesignedPanHeight = 108;
// FCreat makes Pan this high: room for 27 list rows of 19 pixels.
inline constexpr int kPanHeight = 587;
inline constexpr int kListRowHeight = 19;

inline constexpr std::array<DesignedWidget, 8> kLayout = {{
    {WidgetId::kLi, {5, 5, 411, 38}, {true, true, false, true}},
    {WidgetId::kL, {420, 5, 67, 38}, {true, true, true, true}},
    {WidgetId::kYes, {5, 48, 110, 25}, {true, false, false, true}},
    {WidgetId::kEsc, {120, 48, 80, 25}, {true, false, false, true}},
    {WidgetId::kE, {205, 47, 222, 27}, {true, false, true, true}},
    {WidgetId::kAZ, {432, 48, 25, 25}, {false, false, true, true}},
    {WidgetId::kX2, {462, 48, 25, 25}, {false, false, true, true}},
    {WidgetId::kPa, {5, 78, 482, 25}, {true, false, true, true}},
}};

// Where the widget stands on a Pan of the given size. `scale` turns a
// designed length into the toolkit's pixels (a denser screen's, say): every
// designed distance is scaled, then the widget is kept to its anchored edges.
template <typename Scale>
Rect Place(WidgetId id, int pan_width, int pan_height, Scale scale) {
  // One axis: the designed start and length, the anchors at both ends, the
  // designed and the actual length of Pan along that axis.
  const auto axis = [&scale](int& start, int& length, bool at_start, bool at_end, int designed_pan,
                             int pan) {
    const int far_gap = scale(designed_pan - (start + length));
    start = scale(start);
    length = scale(length);
    if (at_start && at_end) {
      length = pan - far_gap - start;
    } else if (at_end) {
      start = pan - far_gap - length;
    }
  };
  for (const auto& widget : kLayout) {
    if (widget.id != id) continue;
    Rect r = widget.rect;
    axis(r.left, r.width, widget.anchors.left, widget.anchors.right, kDesignedPanWidth, pan_width);
    axis(r.top, r.height, widget.anchors.top, widget.anchors.bottom, kDesignedPanHeight,
         pan_height);
    return r;
  }
  return {};
}

inline Rect Place(WidgetId id, int pan_width, int pan_height) {
  return Place(id, pan_width, pan_height, [](int designed) { return designed; });
}

}  // namespace zbk
