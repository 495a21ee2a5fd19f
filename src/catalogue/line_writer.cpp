#include "catalogue/line_writer.h"

namespace zbk {

LineWriter::LineWriter(std::unique_ptr<OutputFile> file, std::size_t buffer_size)
    : file_(std::move(file)), capacity_(buffer_size) {
  buffer_.reserve(capacity_);
}

void LineWriter::Flush() {
  if (buffer_.empty()) return;
  file_->Write(buffer_);
  buffer_.clear();
}

void LineWriter::WriteLine(std::string_view text) {
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= capacity_) Flush();
}

bool LineWriter::Close(Placement placement) {
  Flush();
  return file_->Close(placement);
}

}  // namespace zbk
