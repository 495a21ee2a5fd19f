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

std::string RootPath(char letter) {
  return {letter, ':', '\\'};
}

int DriveTypeCode(Drives& drives, char letter) {
  return drives.DriveType(RootPath(letter));
}

std::string_view DriveTypeName(int code) {
  if (code < 0 || code >= static_cast<int>(kTypeNames.size())) return kTypeNames[kDriveUnknown];
  return kTypeNames[static_cast<std::size_t>(code)];
}

std::string LetterField(char letter) {
  return {' ', letter, ':', ' ', ' '};
}

std::string LabelField(Drives& drives, char letter) {
  std::string label;
  if (std::string raw; drives.VolumeLabel(RootPath(letter), raw)) {
    label = Head(raw, kLabelBuffer);
    if (const auto nul = label.find('\0'); nul != std::string::npos) label.erase(nul);
  }
  if (label.size() < kLabelFieldWidth) label.resize(kLabelFieldWidth, ' ');
  return label;
}

std::string GigabyteText(std::int64_t bytes) {
  if (bytes < 0) return {};
  std::string text = std::to_string(bytes / kGiB);
  if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
  for (char& c : text) {
    if (c == '0') c = 'O';
  }
  text.insert(3, 1, ' ');
  return text;
}

ShortText DriveLine(Drives& drives, int index) {
  const char letter = static_cast<char>('A' + index - 1);
  const std::string_view type = DriveTypeName(DriveTypeCode(drives, letter));
  const std::string label = LabelField(drives, letter);
  const std::string free_text = GigabyteText(drives.DiskFree(index));
  const std::string total_text = GigabyteText(drives.DiskSize(index));
  return ShortText(Join(LetterField(letter), type, "  ", label, free_text, total_text));
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
  VolumeIdentity volume;
  volume.type = DriveTypeCode(drives, letter);
  volume.label_field = LabelField(drives, letter);
  volume.serial = drives.VolumeSerial(RootPath(letter));
  return volume;
}

}  // namespace zbk
