// What the system tells about the block device behind a mount without root
// rights: its file system label (the links of /dev/disk/by-label, named
// after the label) and whether its medium is removable (/sys/class/block).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zbk {

// A by-label link name with udev's \xHH escapes turned back into bytes.
std::string DecodeUdevEscapes(std::string_view name);

// The label whose link in `labels_folder` leads to the device `source`, in
// UTF-8; nothing when there is none (or `source` is no device path).
std::optional<std::string> LabelOfDevice(const std::string& labels_folder,
                                         const std::string& source);

// The device `source` (or the disk it is a partition of) says its medium is
// removable in `block_folder`.
bool RemovableDevice(const std::string& block_folder, const std::string& source);

}  // namespace zbk
