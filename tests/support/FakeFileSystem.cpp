#include "support/FakeFileSystem.h"

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
