// The computer's host name and the name of the account running the program.
#pragma once

#include "ports/os.h"

namespace zbk {

class PosixHosts : public Hosts {
 public:
  std::string ComputerName() override;
  std::string UserName() override;
};

}  // namespace zbk
