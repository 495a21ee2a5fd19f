// The temporary file a catalogue is written into before it takes its own
// name: "." + the name + "." + eight hex digits + ".tmp", in the working
// folder. It begins with "." and does not end in ".txt", so no search reads
// it, and the digits keep two runs of the same name apart. What a catalogue
// file does with it is the same on every system; each system supplies the
// steps.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ports/os.h"

namespace zbk {

// Whether `candidate` is a temporary file of a catalogue named `name`.
bool IsTemporaryOf(std::string_view candidate, std::string_view name);
// A temporary name for `name` with digits no other call of this process gave.
std::string NewTemporaryName(std::string_view name);

// A catalogue file in its temporary file, which Close flushes, closes and
// moves to the catalogue's name. A failure, or a drop without Close,
// removes the temporary file; errors name the catalogue (`shown`).
class TemporaryOutputFile : public OutputFile {
 public:
  TemporaryOutputFile(const TemporaryOutputFile&) = delete;
  TemporaryOutputFile& operator=(const TemporaryOutputFile&) = delete;
  void Write(std::string_view bytes) final;
  bool Close(Placement placement) final;

 protected:
  enum class Placed { kDone, kTaken, kFailed };

  explicit TemporaryOutputFile(std::string shown) : shown_(std::move(shown)) {}
  const std::string& shown() const { return shown_; }
  // Each system's destructor calls it.
  void Drop();

  // Writes a first part of `bytes`: how much, 0 when the write fails.
  virtual std::size_t WriteSome(std::string_view bytes) = 0;
  // Flushes, closes and moves the file; kTaken where kIfNew finds the name
  // taken.
  virtual Placed Place(Placement placement) = 0;
  // Closes the file where it is open, and removes it.
  virtual void Remove() = 0;

 private:
  [[noreturn]] void Fail(FileError::Kind kind);

  std::string shown_;
  bool done_ = false;
};

// Creates a new temporary file for the catalogue `name` (as the system
// spells it): `open` makes the file `temporary` anew, or says whether its
// name was taken. A taken name is tried again with other digits; nullptr
// when `open` fails otherwise, or no name is free.
using OpenTemporary =
    std::function<std::unique_ptr<TemporaryOutputFile>(const std::string& temporary, bool& taken)>;
std::unique_ptr<OutputFile> CreateTemporary(std::string_view name, const OpenTemporary& open);

}  // namespace zbk
