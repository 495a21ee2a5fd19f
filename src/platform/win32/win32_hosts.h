// The computer's name and the user's name through the wide calls, in
// Windows-1250.
#pragma once

#include "ports/os.h"

namespace zbk {

class Win32Hosts : public Hosts {
 public:
  std::string ComputerName() override;
  std::string UserName() override;
};

}  // namespace zbk
