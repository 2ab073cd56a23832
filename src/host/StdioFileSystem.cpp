// Files through the C library. Reading hands out raw bytes (binary mode).
// Atomic replacement: the new file goes into "<target>.~ptN" in the target's
// folder (same volume, so the final rename cannot copy) and is renamed over the
// target on commit.
#include "host/StdioFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include "host/Paths.h"

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
    if (failed_ || ended_ || size == 0) return 0;
    std::size_t count = std::fread(buffer, 1, size, stream_);
    if (count < size && std::ferror(stream_)) failed_ = true;
    // The stream has seen the end: asking the system again would only cost a call.
    if (count < size && std::feof(stream_)) ended_ = true;
    return count;
  }

  bool HasFailed() const override { return failed_; }

 private:
  std::FILE* stream_;
  bool failed_ = false;
  bool ended_ = false;
};

class StdioOutputFile : public OutputFile {
 public:
  StdioOutputFile(std::FILE* stream, std::string temporaryPath, std::string targetPath)
      : stream_(stream), temporaryPath_(std::move(temporaryPath)), targetPath_(std::move(targetPath)) {
    // A buffer of our own spares the stream asking the system for its block size.
    std::setvbuf(stream_, buffer_, _IOFBF, sizeof buffer_);
  }
  ~StdioOutputFile() override { Discard(); }
  StdioOutputFile(const StdioOutputFile&) = delete;
  StdioOutputFile& operator=(const StdioOutputFile&) = delete;

  void Write(const void* data, std::size_t size) override {
    if (failed_ || stream_ == nullptr || size == 0) return;
    if (readLast_ && std::fseek(stream_, static_cast<long>(written_), SEEK_SET) != 0) failed_ = true;
    readLast_ = false;
    if (failed_ || std::fwrite(data, 1, size, stream_) != size || std::ferror(stream_)) failed_ = true;
    written_ += size;
  }

  bool HasFailed() const override { return failed_; }

  bool Commit() override {
    if (stream_ == nullptr) return false;
    bool closed = (readLast_ || std::fflush(stream_) == 0) && !std::ferror(stream_);
    closed = std::fclose(stream_) == 0 && closed;
    stream_ = nullptr;
    if (failed_ || !closed || !RenameOverExisting(temporaryPath_.c_str(), targetPath_.c_str())) {
      std::remove(temporaryPath_.c_str());
      return false;
    }
    return true;
  }

  // The file is open for update: the seek to its start writes out what the
  // stream holds and the read takes the bytes from the file. A write after it
  // seeks to where writing stopped first, as C requires between reading and
  // writing; a commit has nothing left to write out.
  bool ReadBack(std::size_t limit, std::string& bytes) override {
    bytes.clear();
    if (failed_ || stream_ == nullptr || written_ > limit) return false;
    bytes.resize(written_);
    bool read = std::fseek(stream_, 0, SEEK_SET) == 0 &&
                std::fread(bytes.data(), 1, bytes.size(), stream_) == bytes.size();
    readLast_ = true;
    if (!read) bytes.clear();
    return read;
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
  std::size_t written_ = 0;
  bool readLast_ = false;  // the last use of the stream was ReadBack's read
  bool failed_ = false;
  char buffer_[8 * 1024];
};

// Creates a file that did not exist before, so two writers never share one.
std::FILE* CreateNewFile(const std::string& path) {
  // Open for update, so that what was written can be read back before the commit.
  int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_BINARY, 0666);
  if (descriptor < 0) return nullptr;
  std::FILE* stream = fdopen(descriptor, "w+b");
  if (stream == nullptr) close(descriptor);
  return stream;
}

// Creates one folder; fails harmlessly when it exists already.
void MakeFolder(const std::string& path) {
#ifdef _WIN32
  _mkdir(path.c_str());
#else
  mkdir(path.c_str(), 0777);
#endif
}

bool IsFolder(const char* path) {
  struct stat status;
  return stat(path, &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

bool StdioFileSystem::CanOpenForReading(const char* path) {
  // Asked once per plan saved: the system answers without opening the file.
#ifdef _WIN32
  return _access(path, 4) == 0;
#else
  return access(path, R_OK) == 0;
#endif
}

std::unique_ptr<InputFile> StdioFileSystem::OpenForReading(const char* path) {
  // A folder opens as a stream on some systems; it is not a file to read.
  if (IsFolder(path)) return nullptr;
  std::FILE* stream = std::fopen(path, "rb");
  if (stream == nullptr) return nullptr;
  // The readers read in large blocks of their own; a stream buffer would only
  // add a copy and split their reads.
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return std::make_unique<StdioInputFile>(stream);
}

FileReadResult StdioFileSystem::ReadWholeFile(const char* path, std::size_t limit,
                                              std::string& contents) {
  contents.clear();
  errno = 0;
  std::FILE* stream = std::fopen(path, "rb");
  if (stream == nullptr) return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Failed;
  char buffer[4096];
  bool withinLimit = true;
  std::size_t count;
  while (withinLimit && (count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
    withinLimit = count <= limit - contents.size();
    if (withinLimit) contents.append(buffer, count);
  }
  bool complete = withinLimit && !std::ferror(stream);
  std::fclose(stream);
  if (complete) return FileReadResult::Read;
  contents.clear();
  return FileReadResult::Failed;
}

bool StdioFileSystem::CreateFolders(const char* path) {
  // A batch asks for the same folder once per plan: one look answers most calls.
  if (IsFolder(path)) return true;
  std::string folder(path);
  for (std::size_t end = 1; end < folder.size(); ++end) {
    if (IsPathSeparator(folder[end]) && !IsPathSeparator(folder[end - 1])) {
      MakeFolder(folder.substr(0, end));
    }
  }
  if (!folder.empty()) MakeFolder(folder);
  return IsFolder(path);
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

bool StdioFileSystem::IsSameFile(const char* first, const char* second) {
  struct stat firstStatus, secondStatus;
  if (stat(first, &firstStatus) != 0 || stat(second, &secondStatus) != 0) return false;
#ifdef _WIN32
  // Windows' stat has no file numbers: the full paths, which the file system
  // compares without case, tell.
  char firstPath[_MAX_PATH], secondPath[_MAX_PATH];
  return _fullpath(firstPath, first, sizeof firstPath) != nullptr &&
         _fullpath(secondPath, second, sizeof secondPath) != nullptr && _stricmp(firstPath, secondPath) == 0;
#else
  return firstStatus.st_dev == secondStatus.st_dev && firstStatus.st_ino == secondStatus.st_ino;
#endif
}
