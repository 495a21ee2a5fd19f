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

void DriveTable::Set(char letter, DriveSpec drive) {
  if (const int i = IndexOf(letter); i >= 0)
    drives_[static_cast<std::size_t>(i)] = std::move(drive);
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
  const auto& found = Get(letter);
  return found ? &*found : nullptr;
}

int DriveTable::DriveType(std::string_view root) {
  const DriveSpec* found = Find(LetterOfRoot(root));
  return found ? found->type : kDriveNoRoot;
}

bool DriveTable::VolumeLabel(std::string_view root, std::string& label) {
  const DriveSpec* found = Find(LetterOfRoot(root));
  if (found == nullptr || !found->label) return false;
  label = *found->label;
  return true;
}

std::optional<std::string> DriveTable::VolumeSerial(std::string_view root) {
  const DriveSpec* found = Find(LetterOfRoot(root));
  if (found == nullptr || !found->root) return std::nullopt;
  return found->serial;
}

std::int64_t DriveTable::DiskFree(int drive) {
  const DriveSpec* found = Find(static_cast<char>('A' + drive - 1));
  return found ? found->free : -1;
}

std::int64_t DriveTable::DiskSize(int drive) {
  const DriveSpec* found = Find(static_cast<char>('A' + drive - 1));
  return found ? found->total : -1;
}

NativePath DriveTable::RootFolder(char letter) {
  const DriveSpec* found = Find(letter);
  return (found && found->root) ? *found->root : NativePath();
}

}  // namespace zbk
