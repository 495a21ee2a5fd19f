#include "platform/drivetable/drive_table.h"

namespace zbk {
namespace {

int IndexOf(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
  return (letter >= 'A' && letter <= 'Z') ? letter - 'A' : -1;
}

char LetterOfRoot(std::string_view root) {
  return root.empty() ? '\0' : root.front();
}

}  // namespace

void DriveTable::Set(char letter, DriveSpec spec) {
  if (const int i = IndexOf(letter); i >= 0) drives_[static_cast<std::size_t>(i)] = std::move(spec);
}

void DriveTable::Remove(char letter) {
  if (const int i = IndexOf(letter); i >= 0) drives_[static_cast<std::size_t>(i)].reset();
}

const std::optional<DriveSpec>& DriveTable::Get(char letter) const {
  static const std::optional<DriveSpec> kNone;
  const int i = IndexOf(letter);
  return i >= 0 ? drives_[static_cast<std::size_t>(i)] : kNone;
}

const DriveSpec* DriveTable::Find(char letter) const {
  const auto& spec = Get(letter);
  return spec ? &*spec : nullptr;
}

int DriveTable::DriveType(std::string_view root) {
  const DriveSpec* spec = Find(LetterOfRoot(root));
  return spec ? spec->type : kDriveNoRoot;
}

bool DriveTable::VolumeLabel(std::string_view root, std::string& label) {
  const DriveSpec* spec = Find(LetterOfRoot(root));
  if (spec == nullptr || !spec->label) return false;
  label = *spec->label;
  return true;
}

std::int64_t DriveTable::DiskFree(int drive) {
  const DriveSpec* spec = Find(static_cast<char>('A' + drive - 1));
  return spec ? spec->free : -1;
}

std::int64_t DriveTable::DiskSize(int drive) {
  const DriveSpec* spec = Find(static_cast<char>('A' + drive - 1));
  return spec ? spec->total : -1;
}

NativePath DriveTable::RootFolder(char letter) {
  const DriveSpec* spec = Find(letter);
  return (spec && spec->root) ? *spec->root : NativePath();
}

}  // namespace zbk
