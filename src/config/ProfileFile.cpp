// Loading and atomically rewriting profile files through the file port.
#include "config/ProfileFile.h"

#include <cinttypes>
#include <cstdio>
#include <memory>

#include "config/ProfileText.h"
#include "host/Paths.h"

namespace {

// The folder part of `path`: everything before its last separator, or "" for a
// bare file name.
std::string FolderPartOf(const char* path) {
  std::string folder(path);
  std::size_t length = folder.size();
  while (length > 0 && !IsPathSeparator(folder[length - 1])) --length;
  while (length > 0 && IsPathSeparator(folder[length - 1])) --length;
  folder.resize(length);
  return folder;
}

// A replacement for `path`; its folder is created only when the first attempt
// fails, which is what a missing folder looks like.
std::unique_ptr<OutputFile> CreateReplacementWithFolder(FileSystem& files, const char* path) {
  std::unique_ptr<OutputFile> file = files.CreateReplacement(path);
  if (file != nullptr) return file;
  std::string folder = FolderPartOf(path);
  if (folder.empty() || !files.CreateFolders(folder.c_str())) return nullptr;
  return files.CreateReplacement(path);
}

bool ReplaceWholeFile(FileSystem& files, const char* path, const std::string& text) {
  std::unique_ptr<OutputFile> file = CreateReplacementWithFolder(files, path);
  if (file == nullptr) return false;
  file->Write(text.data(), text.size());
  if (file->HasFailed()) {
    file->Discard();
    return false;
  }
  return file->Commit();
}

}  // namespace

FileReadResult LoadProfileFile(FileSystem& files, const char* path, std::string& text) {
  text.clear();
  if (path == nullptr || path[0] == '\0') return FileReadResult::Missing;
  return files.ReadWholeFile(path, kProfileSizeLimit, text);
}

bool WriteProfileText(FileSystem& files, const char* sourcePath, const char* targetPath,
                      const char* section, const char* key, const char* value) {
  if (targetPath == nullptr || targetPath[0] == '\0') return false;
  std::string text;
  if (LoadProfileFile(files, sourcePath, text) == FileReadResult::Failed) return false;
  std::string updated;
  if (!SetProfileValue(text, section, key, value, updated)) return false;
  return ReplaceWholeFile(files, targetPath, updated);
}

bool WriteProfileInt(FileSystem& files, const char* sourcePath, const char* targetPath,
                     const char* section, const char* key, int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%" PRId32, value);
  return WriteProfileText(files, sourcePath, targetPath, section, key, text);
}
