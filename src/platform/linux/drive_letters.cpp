#include "platform/linux/drive_letters.h"

#include <algorithm>
#include <string_view>

namespace zbk {
namespace {

constexpr std::size_t kRootLetter = 'C' - 'A';
constexpr std::size_t kFirstOtherLetter = 'D' - 'A';

bool SameMount(const Mount& a, const Mount& b) {
  return a.id == b.id && a.mount_point == b.mount_point && a.source == b.source &&
         a.fs_type == b.fs_type;
}

// The last mount on each mount point, in table order.
std::vector<const MountedDrive*> OnTop(const std::vector<MountedDrive>& drives) {
  std::vector<const MountedDrive*> top;
  for (const MountedDrive& drive : drives) {
    const auto covered = std::find_if(top.begin(), top.end(), [&](const MountedDrive* d) {
      return d->mount.mount_point == drive.mount.mount_point;
    });
    if (covered != top.end()) top.erase(covered);
    top.push_back(&drive);
  }
  return top;
}

}  // namespace

void DriveLetters::Update(const std::vector<MountedDrive>& drives) {
  const std::vector<const MountedDrive*> present = OnTop(drives);
  std::vector<bool> placed(present.size(), false);
  letters_[kRootLetter].reset();
  for (std::size_t i = 0; i < present.size(); ++i) {
    if (present[i]->mount.mount_point == "/") {
      letters_[kRootLetter] = *present[i];
      placed[i] = true;
    }
  }
  for (std::size_t letter = kFirstOtherLetter; letter < letters_.size(); ++letter) {
    auto& slot = letters_[letter];
    if (!slot) continue;
    const auto still = std::find_if(present.begin(), present.end(), [&](const MountedDrive* d) {
      return SameMount(d->mount, slot->mount);
    });
    if (still == present.end() || placed[static_cast<std::size_t>(still - present.begin())]) {
      slot.reset();
      continue;
    }
    slot = **still;
    placed[static_cast<std::size_t>(still - present.begin())] = true;
  }
  std::size_t next = kFirstOtherLetter;
  for (std::size_t i = 0; i < present.size(); ++i) {
    if (placed[i]) continue;
    while (next < letters_.size() && letters_[next]) ++next;
    if (next == letters_.size()) break;
    letters_[next] = *present[i];
  }
}

const MountedDrive* DriveLetters::At(char letter) const {
  if (letter < 'A' || letter > 'Z') return nullptr;
  const auto& slot = letters_[static_cast<std::size_t>(letter - 'A')];
  return slot ? &*slot : nullptr;
}

}  // namespace zbk
