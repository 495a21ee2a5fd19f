// Writes lines ended by CR LF through a buffer, so a line may reach the file
// only at a later write or at Close. Failures throw FileError. A writer
// dropped without Close (a command aborted by an error) drops its file,
// which then takes no name.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ports/os.h"

namespace zbk {

class LineWriter {
 public:
  explicit LineWriter(std::unique_ptr<OutputFile> file, std::size_t buffer_size = 1 << 16);
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void WriteLine(std::string_view text);
  // Writes out the lines held back and closes the file, which takes its
  // name as `placement` says; false when it was dropped instead.
  bool Close(Placement placement);

 private:
  void Flush();

  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
  std::size_t capacity_;
};

}  // namespace zbk
