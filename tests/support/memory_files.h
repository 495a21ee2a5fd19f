// A file system held in memory, for tests and fuzzing: folders of entries in
// listing order (after "." and ".."), each with its Windows-1250 name as
// listed and a native name of its own (so two entries may be listed under
// the same name), and files with contents. It behaves as the system's Files
// do (the contract tests hold it to them), except that a catalogue being
// written has no temporary file. A native path is the native names from the top joined by
// "/", such as "/work/a.txt". The working folder is "/work".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ports/os.h"

namespace zbk::testing {

class MemoryFiles : public Files {
 public:
  struct Node {
    std::string name;         // as listed, Windows-1250
    std::string native_name;  // its part of a native path
    bool folder = false;
    bool link = false;                           // a link to a folder, or one leading nowhere
    std::uint64_t size = 0;                      // in bytes, clamped when listed (files)
    std::string bytes;                           // the contents (files)
    bool unlistable = false;                     // a listing of this folder fails (folders)
    std::vector<std::shared_ptr<Node>> entries;  // listing order (folders)
  };

  static constexpr std::string_view kWorkingFolder = "/work";

  MemoryFiles();

  // The folder at `path`, created with its parents where missing.
  Node& Folder(const NativePath& path);
  // Appends an entry to a folder's listing; an empty native name becomes the
  // entry's position in the folder, so that names need not be unique.
  Node& Add(const NativePath& folder, Node entry);
  // A file whose size is its length.
  Node& AddFile(const NativePath& folder, std::string_view name, std::string_view bytes);
  // The node at `path`, or nullptr.
  Node* Find(const NativePath& path);
  // Removes the entry at `path`; false when there is none.
  bool Remove(const NativePath& path);

  // Every name Create was called with, in order.
  const std::vector<std::string>& created() const { return created_; }
  // Opened files give at most this many bytes per read.
  void SetReadChunk(std::size_t bytes) { read_chunk_ = bytes == 0 ? 1 : bytes; }

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;
  NativePath Child(const NativePath& folder, const NativePath& name) override;
  NativePath WorkingFolder() override { return NativePath(kWorkingFolder); }
  std::unique_ptr<OutputFile> Create(std::string_view name) override;
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override;

 private:
  std::shared_ptr<Node> FindShared(const NativePath& path);

  std::shared_ptr<Node> top_;
  // Every node by its native path, parts joined by single "/" ("" for the top).
  std::unordered_map<std::string, std::shared_ptr<Node>> index_;
  std::vector<std::string> created_;
  std::size_t read_chunk_ = 1 << 16;
};

}  // namespace zbk::testing
