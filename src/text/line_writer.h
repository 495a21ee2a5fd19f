// Writes lines ended by CR LF through a buffer, so a line may reach the file
// only at a later write or at Close. Failures throw FileError.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/os.h"

namespace zbk {

class LineWriter {
 public:
  explicit LineWriter(std::unique_ptr<OutputFile> file, std::size_t buffer_size = 1 << 16);
  // A writer dropped without Close (a command aborted by an error) still
  // tries to put its buffered lines into the file, quietly.
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void WriteLine(std::string_view text);
  void Close();

 private:
  void Flush();

  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
  std::size_t capacity_;
  bool closed_ = false;
};

}  // namespace zbk
