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

constexpr std::size_t kGigabyteWidth = 7;

// Whether `text` is what GigabyteText gives for some number: the digits
// (zeros as O) right-aligned in 6 characters, or more digits, with a space
// after the third character.
bool IsGigabyteText(std::string_view text) {
  if (text.size() < kGigabyteWidth || text[3] != ' ') return false;
  std::string number(text.substr(0, 3));
  number.append(text.substr(4));
  const std::size_t digits = number.find_first_not_of(' ');
  if (digits == std::string::npos || (digits > 0 && number.size() > 6)) return false;
  for (std::size_t i = digits; i < number.size(); ++i) {
    if (number[i] != 'O' && (number[i] < '1' || number[i] > '9')) return false;
  }
  return true;
}

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

std::optional<char> DriveOfRow(std::string_view row) {
  if (row.size() < 3 || row[2] != ':') return std::nullopt;
  const char letter = row[1];
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return letter;
}

bool RowShowsLabel(std::string_view row, std::string_view label_field) {
  if (row.size() < kLabelColumn || !row.substr(kLabelColumn).starts_with(label_field)) {
    return false;
  }
  const std::string_view rest = row.substr(kLabelColumn + label_field.size());
  if (rest.empty() || IsGigabyteText(rest)) return true;
  for (std::size_t first = kGigabyteWidth; first + kGigabyteWidth <= rest.size(); ++first) {
    if (IsGigabyteText(rest.substr(0, first)) && IsGigabyteText(rest.substr(first))) return true;
  }
  return false;
}

VolumeIdentity IdentityOf(DriveInfo drive) {
  return {drive.type, LabelField(drive.label), drive.label_exact, std::move(drive.serial),
          drive.answered};
}

VolumeIdentity IdentifyVolume(Drives& drives, char letter) {
  drives.Refresh();
  return IdentityOf(drives.Query(letter));
}

}  // namespace zbk
