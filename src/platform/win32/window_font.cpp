#include "platform/win32/window_font.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "drives/drive_line.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

constexpr int kEmPixels = 16;
constexpr int kSmallestEmPixels = 8;
// The designed font, then two that Windows has had for long.
constexpr std::array<std::wstring_view, 3> kPreferredFaces = {L"Consolas", L"Lucida Console",
                                                              L"Courier New"};

int CALLBACK CollectFixedPitch(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD type,
                               LPARAM data) {
  auto& faces = *reinterpret_cast<std::vector<std::wstring>*>(data);
  const std::wstring face = font->lfFaceName;
  // The pitch bit is set for fonts of variable pitch; "@" names are the
  // vertical variants. Only TrueType scales to every density.
  const bool fixed = (metrics->tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
  if ((type & TRUETYPE_FONTTYPE) != 0 && fixed && !face.empty() && face[0] != L'@' &&
      std::find(faces.begin(), faces.end(), face) == faces.end()) {
    faces.push_back(face);
  }
  return 1;
}

// The installed faces: the preferred ones first, the others by name.
std::vector<std::wstring> InstalledFaces() {
  std::vector<std::wstring> faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = EASTEUROPE_CHARSET;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, reinterpret_cast<FONTENUMPROCW>(&CollectFixedPitch),
                      reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, screen);
  const auto rank = [](const std::wstring& face) {
    return std::find(kPreferredFaces.begin(), kPreferredFaces.end(), face) -
           kPreferredFaces.begin();
  };
  std::sort(faces.begin(), faces.end(), [&](const std::wstring& a, const std::wstring& b) {
    return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
  });
  return faces;
}

HFONT MakeFont(int em, const std::wstring& face) {
  return CreateFontW(-em, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, face.c_str());
}

}  // namespace

bool FontFits(HFONT font, int row_width, int row_height) {
  static const std::wstring row = WideFromCp1250(kDriveListHeader);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  SIZE extent{};
  const bool measured =
      GetTextMetricsW(screen, &metrics) != FALSE &&
      GetTextExtentPoint32W(screen, row.c_str(), static_cast<int>(row.size()), &extent) != FALSE;
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return measured && extent.cx <= row_width && metrics.tmHeight <= row_height;
}

HFONT CreateWindowFont(Dpi dpi, int row_width, int row_height) {
  std::vector<std::wstring> faces = InstalledFaces();
  // With no fixed-pitch TrueType font at all, the system's stand-in for
  // Consolas is measured instead.
  if (faces.empty()) faces.emplace_back(kPreferredFaces[0]);
  const int smallest = std::max(dpi.Scale(kSmallestEmPixels), 1);
  for (int em = dpi.Scale(kEmPixels); em >= smallest; --em) {
    for (const std::wstring& face : faces) {
      const HFONT font = MakeFont(em, face);
      if (font == nullptr) continue;
      if (FontFits(font, row_width, row_height)) return font;
      DeleteObject(font);
    }
  }
  return MakeFont(smallest, faces.front());
}

}  // namespace zbk
