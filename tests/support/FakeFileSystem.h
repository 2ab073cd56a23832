// An in-memory file port for tests, with injectable faults: a file that cannot be
// opened, read or created, a read that fails at a given byte, a write that
// fails, a failure that shows only at commit.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/FileSystem.h"

class FakeFileSystem : public FileSystem {
 public:
  bool CanOpenForReading(const char* path) override;
  std::unique_ptr<InputFile> OpenForReading(const char* path) override;
  FileReadResult ReadWholeFile(const char* path, std::size_t limit, std::string& contents) override;
  bool CreateFolders(const char* path) override;
  std::unique_ptr<OutputFile> CreateReplacement(const char* path) override;

  // Files on the "disk", by path.
  std::map<std::string, std::string> files;
  // Folders created through CreateFolders.
  std::set<std::string> folders;
  // Paths that exist but cannot be opened for reading.
  std::set<std::string> unreadable;
  // Opening the path fails from its Nth open (1-based) on.
  std::map<std::string, int> openFailsFrom;
  // Reading the file at a path fails once `atByte` of its bytes have been read,
  // in its Nth open (1-based) and every later one.
  struct ReadFault {
    std::size_t atByte;
    int fromOpen = 1;
  };
  std::map<std::string, ReadFault> readErrorAt;
  // When not 0, every read hands out at most this many bytes, as a pipe or a
  // network file may.
  std::size_t readChunk = 0;
  // Files opened for reading, and those of them still open.
  std::vector<std::string> openedForReading;
  int openInputs = 0;
  // Paths whose replacement cannot be created.
  std::set<std::string> uncreatable;
  // The Nth Write call from now on (1-based) fails.
  void FailWrite(int n) { failingWrite_ = writesSeen_ + n; }
  // Every commit fails, as a full disk shows only when the file is closed.
  bool failCommit = false;
  // A new file cannot be read back.
  bool failReadBack = false;
  // Replacement files created and not yet committed or discarded.
  int openReplacements = 0;

 private:
  friend class FakeOutputFile;
  friend class FakeInputFile;
  int writesSeen_ = 0;
  int failingWrite_ = 0;
};
