#include "text/line_writer.h"

namespace zbk {

LineWriter::LineWriter(std::unique_ptr<OutputFile> file, std::size_t buffer_size)
    : file_(std::move(file)), capacity_(buffer_size) {
  buffer_.reserve(capacity_);
}

LineWriter::~LineWriter() {
  if (closed_) return;
  try {
    Flush();
  } catch (const FileError&) {
    // The command has already ended with an error report; nothing to add.
  }
}

void LineWriter::Flush() {
  if (buffer_.empty()) return;
  std::string pending;
  pending.swap(buffer_);
  buffer_.reserve(capacity_);
  file_->Write(pending);
}

void LineWriter::WriteLine(std::string_view text) {
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= capacity_) Flush();
}

void LineWriter::Close() {
  closed_ = true;
  Flush();
  file_->Close();
}

}  // namespace zbk
