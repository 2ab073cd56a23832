// The file port: existence test, whole-file reading, folder creation and atomic
// replacement of a file. A plan (or the configuration file) is written into a new
// file beside its target and put in the target's place only when every byte was
// written, so a failed write never leaves a partial file nor destroys the one that
// was there.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Appends bytes exactly as given. A failure sets the error indicator, which
  // stays set; later writes are ignored.
  virtual void Write(const void* data, std::size_t size) = 0;
  virtual bool HasFailed() const = 0;
  // Flushes and closes the file and puts it in place of the target. False when
  // any of that failed; the target is then as it was before.
  virtual bool Commit() = 0;
  // Closes and removes the new file; the target stays as it was.
  virtual void Discard() = 0;
};

enum class FileReadResult {
  Read,     // the whole file is in the caller's text
  Missing,  // there is no file of that name
  Failed,   // the file exists but could not be read, or is larger than allowed
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True when `path` can be opened for reading: the file exists for the writers.
  virtual bool CanOpenForReading(const char* path) = 0;
  // Reads the whole file at `path`, byte for byte, into `contents` when it holds
  // at most `limit` bytes. On Missing and Failed `contents` is empty.
  virtual FileReadResult ReadWholeFile(const char* path, std::size_t limit, std::string& contents) = 0;
  // Creates the folder `path` and every missing folder above it. True when the
  // folder exists afterwards.
  virtual bool CreateFolders(const char* path) = 0;
  // A new, empty file that will replace `path` on Commit; null when it cannot be
  // created. Dropping it without Commit discards it.
  virtual std::unique_ptr<OutputFile> CreateReplacement(const char* path) = 0;
};
