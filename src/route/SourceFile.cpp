// Opening the source file and the messages that name it.
#include "route/SourceFile.h"

#include <algorithm>
#include <cstring>

namespace {

// A held source, read as the file would be.
class HeldSourceFile : public InputFile {
 public:
  explicit HeldSourceFile(const std::string& bytes) : bytes_(bytes) {}

  std::size_t Read(void* buffer, std::size_t size) override {
    std::size_t count = std::min(size, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
  }
  bool HasFailed() const override { return false; }

 private:
  const std::string& bytes_;
  std::size_t position_ = 0;
};

}  // namespace

void ReportSourceProblem(const SourcePlan& source, MessageKind kind, const char* format) {
  ShowFormattedMessage(source.messages, kind, MessageButtons::Ok, format, source.name);
}

bool HoldSmallSource(const SourcePlan& source, std::string& bytes) {
  bytes.clear();
  std::unique_ptr<InputFile> file = source.files.OpenForReading(source.path);
  if (file == nullptr) return false;
  char block[kSourceBlockSize];
  std::size_t count;
  while ((count = file->Read(block, sizeof block)) > 0) {
    if (count > kHeldSourceSize - bytes.size()) return false;
    bytes.append(block, count);
  }
  return !file->HasFailed();
}

std::unique_ptr<InputFile> OpenSourceFile(const SourcePlan& source) {
  if (source.held != nullptr) return std::make_unique<HeldSourceFile>(*source.held);
  std::unique_ptr<InputFile> file = source.files.OpenForReading(source.path);
  if (file == nullptr) ReportSourceProblem(source, MessageKind::Error, "Failed to open FliteStar Flightplan file %s");
  return file;
}

void ReportSourceReadError(const SourcePlan& source) {
  ReportSourceProblem(source, MessageKind::Error, "Error while reading from FliteStar Flightplan file %s");
}

bool ReadSourceLines(const SourcePlan& source, TextLineReader& reader,
                     const std::function<bool(const char* line)>& take) {
  char line[kSourcePieceLength + 1];
  for (;;) {
    ReadStatus status = reader.ReadLine(line);
    if (status == ReadStatus::End) return true;
    if (status == ReadStatus::Error) {
      ReportSourceReadError(source);
      return false;
    }
    if (!take(line)) return true;
  }
}
