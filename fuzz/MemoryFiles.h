// The fuzz targets' file port: a few files held in memory as views of bytes the
// caller keeps, never copied, so a run costs no file and no copy of its input.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "host/FileSystem.h"

class MemoryFiles : public FileSystem {
 public:
  static constexpr std::size_t kMaxFiles = 4;

  // Makes `bytes` the file at `path`, replacing one there. Both must outlive
  // every file opened from it; at most kMaxFiles paths.
  void Put(const char* path, std::string_view bytes);

  bool CanOpenForReading(const char* path) override;
  // The file from its start; null when no file is at `path`.
  std::unique_ptr<InputFile> OpenForReading(const char* path) override;
  FileReadResult ReadWholeFile(const char* path, std::size_t limit, std::string& contents) override;
  // Nothing is written: no folder is made, no replacement created.
  bool CreateFolders(const char* path) override;
  std::unique_ptr<OutputFile> CreateReplacement(const char* path) override;

  // When not 0, every read hands out at most this many bytes, as a pipe may.
  std::size_t readChunk = 0;
  // Files opened for reading and not yet closed.
  int openInputs = 0;

 private:
  struct File {
    const char* path;
    std::string_view bytes;
  };
  const File* Find(const char* path) const;

  std::array<File, kMaxFiles> files_{};
  std::size_t count_ = 0;
};
