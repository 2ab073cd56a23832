// Profile (INI) files on disk: read whole through the file port, and written one
// key at a time by replacing the file atomically, so a crash or a full disk never
// leaves it half written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/FileSystem.h"

// A profile file larger than this is not one of ours: it reads as unreadable and
// is never rewritten.
constexpr std::size_t kProfileSizeLimit = 1024 * 1024;

// Reads the profile file at `path` into `text`. Missing and Failed leave `text`
// empty; an empty path is Missing.
FileReadResult LoadProfileFile(FileSystem& files, const char* path, std::string& text);

// Sets `key` of `section` to `value` (see SetProfileValue) in the profile text of
// `sourcePath` and writes the result to `targetPath`, creating the file and its
// folder when missing. The two paths differ only while an old file is carried over
// to a new place; a missing source is an empty profile. True when the file was
// replaced; false, with the target as it was, when the names or value cannot be
// written, the source exists but cannot be read, or any step of the write failed.
bool WriteProfileText(FileSystem& files, const char* sourcePath, const char* targetPath,
                      const char* section, const char* key, const char* value);

// WriteProfileText with `value` as decimal text ("0", "1", "-3").
bool WriteProfileInt(FileSystem& files, const char* sourcePath, const char* targetPath,
                     const char* section, const char* key, int32_t value);
