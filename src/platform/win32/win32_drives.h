// The drives A to Z as Windows sees them: type, volume label, serial number
// and free and total space through the wide calls, asked at each query; a
// drive's root folder is listed by its long-path form (\\?\C:\), so deep
// folders stay within reach.
#pragma once

#include <cstdint>
#include <string>

#include "ports/os.h"

namespace zbk {

// A volume serial number as Windows shows it: "1A2B-3C4D".
std::string SerialText(std::uint32_t serial);

class Win32Drives : public Drives {
 public:
  DriveInfo Query(char letter) override;
};

}  // namespace zbk
