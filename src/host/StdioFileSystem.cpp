// Files through C streams, in binary mode. Reading hands out raw bytes; atomic
// replacement puts the plan into "<target>.~ptN" in the target's folder (same
// volume, so the final rename cannot copy) and renames it over the target on commit.
#include "host/StdioFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace {

constexpr int kTemporaryNameAttempts = 100;

class StdioInputFile : public InputFile {
 public:
  explicit StdioInputFile(std::FILE* stream) : stream_(stream) {}
  ~StdioInputFile() override { std::fclose(stream_); }
  StdioInputFile(const StdioInputFile&) = delete;
  StdioInputFile& operator=(const StdioInputFile&) = delete;

  std::size_t Read(void* buffer, std::size_t size) override {
    if (failed_ || size == 0) return 0;
    std::size_t count = std::fread(buffer, 1, size, stream_);
    if (count < size && std::ferror(stream_)) failed_ = true;
    return count;
  }

  bool HasFailed() const override { return failed_; }

 private:
  std::FILE* stream_;
  bool failed_ = false;
};

// A folder opens as a stream on some systems; it is not a file to read.
bool IsFolder(std::FILE* stream) {
  struct stat status;
  return fstat(fileno(stream), &status) == 0 && S_ISDIR(status.st_mode);
}

class StdioOutputFile : public OutputFile {
 public:
  StdioOutputFile(std::FILE* stream, std::string temporaryPath, std::string targetPath)
      : stream_(stream), temporaryPath_(std::move(temporaryPath)), targetPath_(std::move(targetPath)) {}
  ~StdioOutputFile() override { Discard(); }

  void Write(const void* data, std::size_t size) override {
    if (failed_ || stream_ == nullptr || size == 0) return;
    if (std::fwrite(data, 1, size, stream_) != size || std::ferror(stream_)) failed_ = true;
  }

  bool HasFailed() const override { return failed_; }

  bool Commit() override {
    if (stream_ == nullptr) return false;
    bool closed = std::fflush(stream_) == 0 && !std::ferror(stream_);
    closed = std::fclose(stream_) == 0 && closed;
    stream_ = nullptr;
    if (failed_ || !closed || !RenameOverExisting(temporaryPath_.c_str(), targetPath_.c_str())) {
      std::remove(temporaryPath_.c_str());
      return false;
    }
    return true;
  }

  void Discard() override {
    if (stream_ == nullptr) return;
    std::fclose(stream_);
    stream_ = nullptr;
    std::remove(temporaryPath_.c_str());
  }

 private:
  std::FILE* stream_;
  std::string temporaryPath_;
  std::string targetPath_;
  bool failed_ = false;
};

// Creates a file that did not exist before, so two writers never share one.
std::FILE* CreateNewFile(const std::string& path) {
  int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
  if (descriptor < 0) return nullptr;
  std::FILE* stream = fdopen(descriptor, "wb");
  if (stream == nullptr) close(descriptor);
  return stream;
}

}  // namespace

bool StdioFileSystem::CanOpenForReading(const char* path) {
  std::FILE* stream = std::fopen(path, "r");
  if (stream == nullptr) return false;
  std::fclose(stream);
  return true;
}

std::unique_ptr<InputFile> StdioFileSystem::OpenForReading(const char* path) {
  std::FILE* stream = std::fopen(path, "rb");
  if (stream == nullptr) return nullptr;
  if (IsFolder(stream)) {
    std::fclose(stream);
    return nullptr;
  }
  // The readers read in large blocks of their own; a stream buffer would only
  // add a copy and split their reads.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return std::make_unique<StdioInputFile>(stream);
}

std::unique_ptr<OutputFile> StdioFileSystem::CreateReplacement(const char* path) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string temporaryPath = std::string(path) + ".~pt" + std::to_string(attempt);
    if (std::FILE* stream = CreateNewFile(temporaryPath)) {
      return std::make_unique<StdioOutputFile>(stream, temporaryPath, path);
    }
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}
