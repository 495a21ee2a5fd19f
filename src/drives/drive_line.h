// One row of the drive list: letter, type name, label and free and total
// space in whole gigabytes, in fixed columns under the list's header row:
//   columns 2-3 the drive ("C:"), 6-13 the type, 16-30 the label,
//   31-37 free and 38-44 total space, right-aligned.
// The toolkits size the drive list and choose its font to show a whole row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/os.h"
#include "text/short_text.h"

namespace zbk {

// The first row of the drive list; its columns match the drive rows below.
inline constexpr std::string_view kDriveListHeader = " ?  typ dysku  nazwa            wolne   w GB";
// The length of a drive row whose label fits its field, and of the header.
inline constexpr std::size_t kDriveRowLength = 44;
static_assert(kDriveListHeader.size() == kDriveRowLength);

// The label field of a row is 15 characters wide (the label is never cut,
// so a longer one pushes the space columns to the right).
inline constexpr std::size_t kLabelFieldWidth = 15;

// The 8-character name of a type code.
std::string_view DriveTypeName(int code);
// " C:  "
std::string LetterField(char letter);
// The volume label padded with spaces to at least 15 characters, never cut;
// 15 spaces when the query failed.
std::string LabelField(const std::optional<std::string>& label);
// Whole GiB right-aligned in 6, zeros written as the letter O, a space after
// the first three characters; empty when the query failed.
std::string GigabyteText(std::optional<std::int64_t> bytes);

// The row of the drive `letter`.
ShortText DriveLine(char letter, const DriveInfo& drive);

// Read back from a row: the drive letter of characters 2 and 3 (a letter
// A-Z and a colon), or nothing for a row that names no drive, such as the
// header.
std::optional<char> DriveOfRow(std::string_view row);
// Whether the row shows the label field `label_field` (as LabelField gives
// it) whole: from character 16 on the row holds it, followed by nothing but
// the space texts.
bool RowShowsLabel(std::string_view row, std::string_view label_field);

// What tells one medium in a drive from another.
struct VolumeIdentity {
  int type = kDriveNoRoot;
  std::string label_field;  // as LabelField gives it
  bool label_exact = true;  // as DriveInfo has it
  std::optional<std::string> serial;
  bool answered = true;  // a drive that did not answer counts as changed
  bool operator==(const VolumeIdentity&) const = default;
};
VolumeIdentity IdentityOf(DriveInfo drive);
// Reads the drives afresh (Refresh), then identifies the volume in drive
// `letter`.
VolumeIdentity IdentifyVolume(Drives& drives, char letter);

}  // namespace zbk
