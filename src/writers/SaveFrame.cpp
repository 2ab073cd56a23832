// The frame's steps in order; each failure ends it with its own text.
#include "writers/SaveFrame.h"

#include <cstdio>
#include <memory>

#include "writers/FileExtension.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

namespace {

// A plan larger than this is not read back: no route writes one.
constexpr std::size_t kReadBackLimit = 8 * 1024 * 1024;

// The overwrite question: the exists text (which ends in a line end) with the
// question on its second line. True when the user agrees.
bool ConfirmOverwrite(const SavePorts& ports, const char* name, const ExportType& type) {
  char question[512];
  std::snprintf(question, sizeof question, "%s%s", type.texts.exists, kOverwriteQuestion);
  return ShowFormattedMessage(ports.messages, MessageKind::Warning, MessageButtons::YesNo, question, name) ==
         MessageAnswer::Yes;
}

SaveOutcome Report(const SavePorts& ports, SaveOutcome outcome, MessageKind kind, const char* text, const char* name) {
  ShowFormattedMessage(ports.messages, kind, MessageButtons::Ok, text, name);
  return outcome;
}

// Writes the plan into the new file and puts it in place.
SaveOutcome WriteAndCommit(const ExportType& type, const PlanInput& plan, OutputFile& file, const SavePorts& ports,
                           const char* name) {
  PlanStream stream(file);
  type.writer(plan, stream);
  if (file.HasFailed()) {
    file.Discard();
    return Report(ports, SaveOutcome::NotWritten, MessageKind::Error, type.texts.writeError, name);
  }
  if (ports.verify) {
    std::string written;
    if (!file.ReadBack(kReadBackLimit, written)) {
      file.Discard();
      return Report(ports, SaveOutcome::NotWritten, MessageKind::Error, type.texts.writeError, name);
    }
    std::string difference = FirstWrittenDifference(type, plan, written);
    if (!difference.empty()) {
      file.Discard();
      ShowFormattedMessage(ports.messages, MessageKind::Error, MessageButtons::Ok,
                           "%s was not saved: read back, %s", name, difference.c_str());
      return SaveOutcome::NotAsWritten;
    }
  }
  // A failure that shows only now is a write error like any other.
  if (!file.Commit()) return Report(ports, SaveOutcome::NotWritten, MessageKind::Error, type.texts.writeError, name);
  return SaveOutcome::Written;
}

SaveOutcome Save(const ExportType& type, const PlanInput& plan, SavedPlan& saved, const SavePorts& ports) {
  // A name that cannot take its extension within the buffer is not created under
  // another name: it fails like any file that cannot be created.
  bool extensionsFit = ReplaceExtension(saved.name, type.extension);
  extensionsFit = ReplaceExtension(saved.path, type.extension) && extensionsFit;
  if (saved.path[0] == '\0') return Report(ports, SaveOutcome::NoName, MessageKind::Error, "%s", type.texts.emptyName);
  if (!extensionsFit) {
    return Report(ports, SaveOutcome::NotCreated, MessageKind::Warning, type.texts.createFailure, saved.name);
  }
  if (ports.files.CanOpenForReading(saved.path) && !ConfirmOverwrite(ports, saved.name, type)) {
    return SaveOutcome::Declined;
  }
  std::unique_ptr<OutputFile> file = ports.files.CreateReplacement(saved.path);
  if (file == nullptr) {
    return Report(ports, SaveOutcome::NotCreated, MessageKind::Warning, type.texts.createFailure, saved.name);
  }
  PlanInput named = plan;
  named.fileName = saved.name;
  return WriteAndCommit(type, named, *file, ports, saved.name);
}

}  // namespace

SavedPlan SavePlan(const ExportType& type, const PlanInput& plan, const char* path, const char* name,
                   const SavePorts& ports) {
  SavedPlan saved{};
  std::snprintf(saved.path, sizeof saved.path, "%s", path);
  std::snprintf(saved.name, sizeof saved.name, "%s", name);
  saved.outcome = Save(type, plan, saved, ports);
  return saved;
}
