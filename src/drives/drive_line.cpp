#include "drives/drive_line.h"

#include <array>

namespace zbk {
namespace {

constexpr std::size_t kLabelBuffer = 201;
constexpr std::size_t kLabelColumn = 15;  // column 16, counted from 0
constexpr std::int64_t kGiB = std::int64_t{1} << 30;

constexpr std::array<std::string_view, 7> kTypeNames = {
    "nieznany", " -brak- ", "wymienny", " lokalny", "sieciowy", "CD / DVD", "RAMdisk ",
};

}  // namespace

std::string_view DriveTypeName(int code) {
  if (code < 0 || code >= static_cast<int>(kTypeNames.size())) return kTypeNames[kDriveUnknown];
  return kTypeNames[static_cast<std::size_t>(code)];
}

std::string LetterField(char letter) {
  return {' ', letter, ':', ' ', ' '};
}

std::string LabelField(const std::optional<std::string>& label) {
  std::string field;
  if (label) {
    field = Head(*label, kLabelBuffer);
    if (const auto nul = field.find('\0'); nul != std::string::npos) field.erase(nul);
  }
  if (field.size() < kLabelFieldWidth) field.resize(kLabelFieldWidth, ' ');
  return field;
}

std::string GigabyteText(std::optional<std::int64_t> bytes) {
  if (!bytes) return {};
  std::string text = std::to_string(*bytes / kGiB);
  if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
  for (char& c : text) {
    if (c == '0') c = 'O';
  }
  text.insert(3, 1, ' ');
  return text;
}

ShortText DriveLine(char letter, const DriveInfo& drive) {
  return ShortText(Join(LetterField(letter), DriveTypeName(drive.type), "  ",
                        LabelField(drive.label), GigabyteText(drive.free),
                        GigabyteText(drive.total)));
}

std::string_view LabelFieldOfRow(std::string_view row) {
  return row.size() > kLabelColumn ? Head(row.substr(kLabelColumn), kLabelFieldWidth)
                                   : std::string_view();
}

std::optional<char> DriveOfRow(std::string_view row) {
  if (row.size() < 3 || row[2] != ':') return std::nullopt;
  const char letter = row[1];
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return letter;
}

VolumeIdentity IdentifyVolume(Drives& drives, char letter) {
  drives.Refresh();
  DriveInfo drive = drives.Query(letter);
  return {drive.type, LabelField(drive.label), std::move(drive.serial), drive.answered};
}

}  // namespace zbk
