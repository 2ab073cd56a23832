// The fuzz targets' in-memory file port: reads served from the caller's bytes.
#include "MemoryFiles.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class MemoryInputFile : public InputFile {
 public:
  MemoryInputFile(std::string_view bytes, std::size_t chunk, int& openInputs)
      : bytes_(bytes), chunk_(chunk), openInputs_(openInputs) {
    ++openInputs_;
  }
  ~MemoryInputFile() override { --openInputs_; }

  std::size_t Read(void* buffer, std::size_t size) override {
    std::size_t count = std::min(size, bytes_.size() - position_);
    if (chunk_ != 0) count = std::min(count, chunk_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
  }
  bool HasFailed() const override { return false; }

 private:
  std::string_view bytes_;
  std::size_t chunk_;
  int& openInputs_;
  std::size_t position_ = 0;
};

}  // namespace

void MemoryFiles::Put(const char* path, std::string_view bytes) {
  for (std::size_t index = 0; index < count_; ++index) {
    if (std::strcmp(files_[index].path, path) == 0) {
      files_[index].bytes = bytes;
      return;
    }
  }
  if (count_ == kMaxFiles) std::abort();
  files_[count_++] = {path, bytes};
}

const MemoryFiles::File* MemoryFiles::Find(const char* path) const {
  for (std::size_t index = 0; index < count_; ++index) {
    if (std::strcmp(files_[index].path, path) == 0) return &files_[index];
  }
  return nullptr;
}

bool MemoryFiles::CanOpenForReading(const char* path) { return Find(path) != nullptr; }

std::unique_ptr<InputFile> MemoryFiles::OpenForReading(const char* path) {
  const File* file = Find(path);
  if (file == nullptr) return nullptr;
  return std::make_unique<MemoryInputFile>(file->bytes, readChunk, openInputs);
}

FileReadResult MemoryFiles::ReadWholeFile(const char* path, std::size_t limit, std::string& contents) {
  contents.clear();
  const File* file = Find(path);
  if (file == nullptr) return FileReadResult::Missing;
  if (file->bytes.size() > limit) return FileReadResult::Failed;
  contents.assign(file->bytes);
  return FileReadResult::Read;
}

bool MemoryFiles::CreateFolders(const char*) { return false; }

std::unique_ptr<OutputFile> MemoryFiles::CreateReplacement(const char*) { return nullptr; }
