// The file port: reading a file as bytes or whole, existence test, folder
// creation and atomic replacement of a file. A plan (or the configuration file)
// is written into a new file beside its target and put in the target's place only
// when every byte was written, so a failed write never leaves a partial file nor
// destroys the one that was there.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

// A file open for reading, as raw bytes: the readers of the core do the text-mode
// handling themselves, so a file reads the same on every platform.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads at most `size` bytes into `buffer` and returns how many it read. It may
  // read fewer than asked; it returns 0 only at the end of the file or on an error.
  virtual std::size_t Read(void* buffer, std::size_t size) = 0;
  // True once a read has failed; stays set.
  virtual bool HasFailed() const = 0;
};

// Where bytes go: a file, or memory. Errors are sticky, like a C stream's error
// indicator.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends bytes exactly as given. A failure sets the error indicator, which
  // stays set; later writes are ignored.
  virtual void Write(const void* data, std::size_t size) = 0;
  virtual bool HasFailed() const = 0;
};

// A new file that takes its target's place only when committed.
class OutputFile : public ByteSink {
 public:
  // Flushes and closes the file and puts it in place of the target. False when
  // any of that failed; the target is then as it was before.
  virtual bool Commit() = 0;
  // Closes and removes the new file; the target stays as it was.
  virtual void Discard() = 0;
  // Reads back, into `bytes`, what the new file holds now (written so far,
  // flushed first), when it holds at most `limit` bytes. False when it cannot be
  // read back; the file stays open for more writing or its commit.
  virtual bool ReadBack(std::size_t limit, std::string& bytes) = 0;
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
  // The file at `path`, open for reading from its start; null when it cannot be
  // opened (missing, a folder, no permission). Dropping it closes it.
  virtual std::unique_ptr<InputFile> OpenForReading(const char* path) = 0;
  // Reads the whole file at `path`, byte for byte, into `contents` when it holds
  // at most `limit` bytes. On Missing and Failed `contents` is empty.
  virtual FileReadResult ReadWholeFile(const char* path, std::size_t limit, std::string& contents) = 0;
  // Creates the folder `path` and every missing folder above it. True when the
  // folder exists afterwards.
  virtual bool CreateFolders(const char* path) = 0;
  // A new, empty file that will replace `path` on Commit; null when it cannot be
  // created. Dropping it without Commit discards it.
  virtual std::unique_ptr<OutputFile> CreateReplacement(const char* path) = 0;
  // True when `first` and `second` name one existing file (another spelling of
  // its path, a link). Where the system cannot tell, the same path text is one file.
  virtual bool IsSameFile(const char* first, const char* second) { return std::strcmp(first, second) == 0; }
};
