#include "support/FakeFileSystem.h"

#include <algorithm>
#include <cstring>
#include <limits>

class FakeInputFile : public InputFile {
 public:
  FakeInputFile(FakeFileSystem& owner, std::string content, std::size_t errorAt)
      : owner_(owner), content_(std::move(content)), errorAt_(errorAt) {
    ++owner_.openInputs;
  }
  ~FakeInputFile() override { --owner_.openInputs; }

  std::size_t Read(void* buffer, std::size_t size) override {
    if (failed_) return 0;
    std::size_t count = std::min(size, content_.size() - position_);
    if (owner_.readChunk != 0) count = std::min(count, owner_.readChunk);
    if (position_ + count > errorAt_) {
      count = errorAt_ - position_;
      failed_ = true;
    }
    std::memcpy(buffer, content_.data() + position_, count);
    position_ += count;
    return count;
  }
  bool HasFailed() const override { return failed_; }

 private:
  FakeFileSystem& owner_;
  std::string content_;
  std::size_t errorAt_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

class FakeOutputFile : public OutputFile {
 public:
  FakeOutputFile(FakeFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {
    ++owner_.openReplacements;
  }
  ~FakeOutputFile() override { Discard(); }

  void Write(const void* data, std::size_t size) override {
    if (failed_ || closed_) return;
    if (++owner_.writesSeen_ == owner_.failingWrite_) {
      failed_ = true;
      return;
    }
    content_.append(static_cast<const char*>(data), size);
  }
  bool HasFailed() const override { return failed_; }
  bool Commit() override {
    if (closed_) return false;
    Close();
    if (failed_ || owner_.failCommit) return false;
    owner_.files[path_] = content_;
    return true;
  }
  void Discard() override {
    if (!closed_) Close();
  }
  bool ReadBack(std::size_t limit, std::string& bytes) override {
    bytes.clear();
    if (closed_ || failed_ || owner_.failReadBack || content_.size() > limit) return false;
    bytes = content_;
    return true;
  }

 private:
  void Close() {
    closed_ = true;
    --owner_.openReplacements;
  }

  FakeFileSystem& owner_;
  std::string path_;
  std::string content_;
  bool failed_ = false;
  bool closed_ = false;
};

bool FakeFileSystem::CanOpenForReading(const char* path) {
  return files.count(path) != 0 && unreadable.count(path) == 0;
}

std::unique_ptr<InputFile> FakeFileSystem::OpenForReading(const char* path) {
  if (!CanOpenForReading(path)) return nullptr;
  int open = static_cast<int>(std::count(openedForReading.begin(), openedForReading.end(), path)) + 1;
  auto openFailure = openFailsFrom.find(path);
  if (openFailure != openFailsFrom.end() && open >= openFailure->second) return nullptr;
  openedForReading.push_back(path);
  auto fault = readErrorAt.find(path);
  std::size_t errorAt = (fault != readErrorAt.end() && open >= fault->second.fromOpen)
                            ? fault->second.atByte
                            : std::numeric_limits<std::size_t>::max();
  return std::make_unique<FakeInputFile>(*this, files[path], errorAt);
}

FileReadResult FakeFileSystem::ReadWholeFile(const char* path, std::size_t limit, std::string& contents) {
  contents.clear();
  if (unreadable.count(path) != 0) return FileReadResult::Failed;
  auto file = files.find(path);
  if (file == files.end()) return FileReadResult::Missing;
  if (file->second.size() > limit) return FileReadResult::Failed;
  contents = file->second;
  return FileReadResult::Read;
}

bool FakeFileSystem::CreateFolders(const char* path) {
  folders.insert(path);
  return true;
}

std::unique_ptr<OutputFile> FakeFileSystem::CreateReplacement(const char* path) {
  if (uncreatable.count(path) != 0) return nullptr;
  return std::make_unique<FakeOutputFile>(*this, path);
}
