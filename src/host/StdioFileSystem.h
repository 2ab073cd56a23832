// The file port over the C library, for Windows and Linux alike.
#pragma once

#include "host/FileSystem.h"

class StdioFileSystem : public FileSystem {
 public:
  bool CanOpenForReading(const char* path) override;
  std::unique_ptr<InputFile> OpenForReading(const char* path) override;
  FileReadResult ReadWholeFile(const char* path, std::size_t limit, std::string& contents) override;
  bool CreateFolders(const char* path) override;
  std::unique_ptr<OutputFile> CreateReplacement(const char* path) override;
  bool IsSameFile(const char* first, const char* second) override;
};

// Renames `from` over `to`, replacing an existing `to` (which plain rename does
// not do on Windows). True on success.
bool RenameOverExisting(const char* from, const char* to);
