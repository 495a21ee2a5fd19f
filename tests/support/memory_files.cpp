#include "support/memory_files.h"

#include <algorithm>
#include <cstring>

#include "platform/wildcard.h"

namespace zbk::testing {
namespace {

using Node = MemoryFiles::Node;

std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const auto slash = path.find('/');
    const std::string_view part = path.substr(0, slash);
    if (!part.empty()) parts.push_back(part);
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  return parts;
}

std::shared_ptr<Node> ChildNamed(const Node& folder, std::string_view native_name) {
  for (const auto& entry : folder.entries) {
    if (entry->native_name == native_name) return entry;
  }
  return nullptr;
}

std::uint32_t ListedSize(std::size_t bytes) {
  return bytes >= 4294967295u ? 4294967295u : static_cast<std::uint32_t>(bytes);
}

class MemoryListing : public FolderListing {
 public:
  explicit MemoryListing(std::vector<FolderEntry> entries) : entries_(std::move(entries)) {}
  bool Next(FolderEntry& entry) override {
    if (next_ == entries_.size()) return false;
    entry = entries_[next_++];
    return true;
  }

 private:
  std::vector<FolderEntry> entries_;
  std::size_t next_ = 0;
};

class MemoryOutputFile : public OutputFile {
 public:
  explicit MemoryOutputFile(std::shared_ptr<Node> file) : file_(std::move(file)) {}
  void Write(std::string_view bytes) override {
    file_->bytes.append(bytes);
    file_->size = ListedSize(file_->bytes.size());
  }
  void Close() override {}

 private:
  std::shared_ptr<Node> file_;
};

class MemoryInputFile : public InputFile {
 public:
  MemoryInputFile(std::shared_ptr<const Node> file, std::size_t chunk)
      : file_(std::move(file)), chunk_(chunk) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min({size, chunk_, file_->bytes.size() - at_});
    if (n > 0) std::memcpy(buffer, file_->bytes.data() + at_, n);
    at_ += n;
    return n;
  }
  void Close() override {}

 private:
  std::shared_ptr<const Node> file_;
  std::size_t chunk_;
  std::size_t at_ = 0;
};

}  // namespace

MemoryFiles::MemoryFiles() : top_(std::make_shared<Node>()) {
  top_->folder = true;
  Folder(NativePath(kWorkingFolder));
}

std::shared_ptr<Node> MemoryFiles::FindShared(const NativePath& path) {
  std::shared_ptr<Node> node = top_;
  for (const std::string_view part : Parts(path)) {
    if (!node->folder) return nullptr;
    node = ChildNamed(*node, part);
    if (!node) return nullptr;
  }
  return node;
}

Node* MemoryFiles::Find(const NativePath& path) {
  return FindShared(path).get();
}

Node& MemoryFiles::Folder(const NativePath& path) {
  Node* node = top_.get();
  for (const std::string_view part : Parts(path)) {
    std::shared_ptr<Node> next = ChildNamed(*node, part);
    if (!next) {
      next = std::make_shared<Node>();
      next->name = next->native_name = std::string(part);
      next->folder = true;
      node->entries.push_back(next);
    }
    node = next.get();
  }
  return *node;
}

Node& MemoryFiles::Add(const NativePath& folder, Node entry) {
  Node& parent = Folder(folder);
  if (entry.native_name.empty()) entry.native_name = std::to_string(parent.entries.size());
  parent.entries.push_back(std::make_shared<Node>(std::move(entry)));
  return *parent.entries.back();
}

Node& MemoryFiles::AddFile(const NativePath& folder, std::string_view name,
                           std::string_view bytes) {
  Node file;
  file.name = file.native_name = std::string(name);
  file.bytes = std::string(bytes);
  file.size = ListedSize(bytes.size());
  return Add(folder, std::move(file));
}

bool MemoryFiles::Remove(const NativePath& path) {
  const auto slash = path.rfind('/');
  if (slash == NativePath::npos) return false;
  Node* parent = Find(path.substr(0, slash));
  if (parent == nullptr) return false;
  auto& entries = parent->entries;
  const std::string_view native_name = std::string_view(path).substr(slash + 1);
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
    return entry->native_name == native_name;
  });
  if (it == entries.end()) return false;
  entries.erase(it);
  return true;
}

std::unique_ptr<FolderListing> MemoryFiles::List(const NativePath& folder, std::string_view pattern,
                                                 ListingDetail /*detail*/) {
  const Node* node = Find(folder);
  if (node == nullptr || !node->folder || node->unlistable) return nullptr;
  std::vector<FolderEntry> entries;
  for (const auto& entry : node->entries) {
    if (!MatchesPattern(entry->name, pattern)) continue;
    entries.push_back({entry->name, entry->native_name, entry->folder, entry->size});
  }
  if (entries.empty()) return nullptr;
  return std::make_unique<MemoryListing>(std::move(entries));
}

NativePath MemoryFiles::Child(const NativePath& folder, const NativePath& name) {
  return folder + "/" + name;
}

std::unique_ptr<OutputFile> MemoryFiles::Create(std::string_view name) {
  created_.emplace_back(name);
  if (name.empty() || name.find('/') != std::string_view::npos) return nullptr;
  Node& work = Folder(NativePath(kWorkingFolder));
  std::shared_ptr<Node> file = ChildNamed(work, name);
  if (file && file->folder) return nullptr;
  if (!file) {
    Node entry;
    entry.name = entry.native_name = std::string(name);
    Add(NativePath(kWorkingFolder), std::move(entry));
    file = ChildNamed(work, name);
  }
  file->bytes.clear();
  file->size = 0;
  return std::make_unique<MemoryOutputFile>(file);
}

std::unique_ptr<InputFile> MemoryFiles::Open(const NativePath& file, std::string_view shown) {
  std::shared_ptr<const Node> node = FindShared(file);
  if (!node || node->folder) throw FileError(FileError::Kind::kOpen, shown);
  return std::make_unique<MemoryInputFile>(std::move(node), read_chunk_);
}

}  // namespace zbk::testing
