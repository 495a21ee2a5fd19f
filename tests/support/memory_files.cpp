#include "support/memory_files.h"

#include <algorithm>
#include <cstring>

#include "platform/wildcard.h"

namespace zbk::testing {
namespace {

using Node = MemoryFiles::Node;

// The path with empty parts left out: "/work//a/" is "/work/a".
std::string Normal(std::string_view path) {
  std::string out;
  while (!path.empty()) {
    const auto slash = path.find('/');
    const std::string_view part = path.substr(0, slash);
    if (!part.empty()) out.append("/").append(part);
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  return out;
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

// Held aside until Close, which puts it in the working folder in one step.
class MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFiles& files, std::string name) : files_(files), name_(std::move(name)) {}
  void Write(std::string_view bytes) override { bytes_.append(bytes); }
  bool Close(Placement placement) override {
    const NativePath path = NativePath(MemoryFiles::kWorkingFolder) + "/" + name_;
    Node* file = files_.Find(path);
    if (file != nullptr && placement == Placement::kIfNew) return false;
    if (file == nullptr) {
      Node entry;
      entry.name = entry.native_name = name_;
      file = &files_.Add(NativePath(MemoryFiles::kWorkingFolder), std::move(entry));
    }
    file->folder = file->link = false;
    file->bytes = std::move(bytes_);
    file->size = file->bytes.size();
    return true;
  }

 private:
  MemoryFiles& files_;
  std::string name_;
  std::string bytes_;
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
  index_.emplace("", top_);
  Folder(NativePath(kWorkingFolder));
}

std::shared_ptr<Node> MemoryFiles::FindShared(const NativePath& path) {
  const auto it = index_.find(Normal(path));
  return it == index_.end() ? nullptr : it->second;
}

Node* MemoryFiles::Find(const NativePath& path) {
  return FindShared(path).get();
}

Node& MemoryFiles::Folder(const NativePath& path) {
  const std::string normal = Normal(path);
  if (const auto found = FindShared(normal)) return *found;
  const auto slash = normal.rfind('/');
  Node entry;
  entry.name = entry.native_name = normal.substr(slash + 1);
  entry.folder = true;
  return Add(normal.substr(0, slash), std::move(entry));
}

Node& MemoryFiles::Add(const NativePath& folder, Node entry) {
  Node& parent = Folder(folder);
  if (entry.native_name.empty()) entry.native_name = std::to_string(parent.entries.size());
  auto node = std::make_shared<Node>(std::move(entry));
  index_[Normal(folder) + "/" + node->native_name] = node;
  parent.entries.push_back(node);
  return *node;
}

Node& MemoryFiles::AddFile(const NativePath& folder, std::string_view name,
                           std::string_view bytes) {
  Node file;
  file.name = file.native_name = std::string(name);
  file.bytes = std::string(bytes);
  file.size = bytes.size();
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
  const std::string gone = Normal(path);
  std::erase_if(index_, [&](const auto& item) {
    return item.first == gone || item.first.starts_with(gone + "/");
  });
  return true;
}

std::unique_ptr<FolderListing> MemoryFiles::List(const NativePath& folder, std::string_view pattern,
                                                 ListingDetail /*detail*/) {
  const Node* node = folder.empty() ? nullptr : Find(folder);
  if (node == nullptr || !node->folder || node->unlistable) return nullptr;
  std::vector<FolderEntry> entries;
  for (const std::string dots : {".", ".."}) {
    if (MatchesPattern(dots, pattern)) entries.push_back({dots, dots, EntryKind::kFolder, 0});
  }
  for (const auto& entry : node->entries) {
    if (!MatchesPattern(entry->name, pattern)) continue;
    const EntryKind kind = entry->link     ? EntryKind::kLink
                           : entry->folder ? EntryKind::kFolder
                                           : EntryKind::kFile;
    const std::uint32_t size = kind == EntryKind::kFile ? ClampedSize(entry->size) : 0;
    entries.push_back({entry->name, entry->native_name, kind, size});
  }
  if (entries.empty()) return nullptr;
  return std::make_unique<MemoryListing>(std::move(entries));
}

NativePath MemoryFiles::Child(const NativePath& folder, const NativePath& name) {
  return folder + "/" + name;
}

std::unique_ptr<OutputFile> MemoryFiles::Create(std::string_view name) {
  created_.emplace_back(name);
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) {
    return nullptr;
  }
  const Node* file = Find(NativePath(kWorkingFolder) + "/" + std::string(name));
  if (file != nullptr && file->folder && !file->link) return nullptr;
  return std::make_unique<MemoryOutputFile>(*this, std::string(name));
}

std::unique_ptr<InputFile> MemoryFiles::Open(const NativePath& file, std::string_view shown) {
  std::shared_ptr<const Node> node = FindShared(file);
  if (!node || node->folder || node->link) throw FileError(FileError::Kind::kOpen, shown);
  return std::make_unique<MemoryInputFile>(std::move(node), read_chunk_);
}

}  // namespace zbk::testing
