// The export frame: the steps every writer runs around its blocks, with the texts
// and message kinds of each step. A writer is its blocks and nothing else:
//
//   return RunExportFrame(app, kExportMsfs, path, name, [&](PlanStream& out) {
//     ...write a block...;  if (!out.BlockWritten()) return false;
//     return true;
//   });
#pragma once

#include <memory>

#include "App.h"
#include "host/FileSystem.h"
#include "writers/ExportType.h"
#include "writers/PlanStream.h"

// The second line of the overwrite question, after the type's exists text.
constexpr const char* kOverwriteQuestion = "Do you want to overwrite it?";

// Frame steps 1 to 4: replaces the extension of `name` and `path`; refuses an
// empty path (empty-name text, error); asks before overwriting an existing file
// (warning, Yes/No; "No" ends quietly); creates the new file (create-failure
// text, warning). Returns the file to write, or null when the writer must
// return 0 (the user has been told, unless he answered "No").
std::unique_ptr<OutputFile> OpenExportFile(App& app, char* path, char* name, const ExportType& type);

// Frame step 5: when the file has failed, shows the write-error text with `name`
// (error), discards the new file (the earlier plan, if any, stays as it was) and
// answers true; otherwise answers false.
bool ReportWriteError(App& app, OutputFile& file, const char* name, const char* writeErrorText);

// Frame step 6: closes the file and puts it in place of the target. A failure
// that shows only now is a write error like any other. On success clears
// `routeUnsaved` and returns 1, else 0.
int CloseExportFile(App& app, OutputFile& file, const char* name, const ExportType& type);

// Runs the whole frame for export type `code` around `writeBlocks`, which gets
// the open stream and answers false as soon as a block failed.
template <typename WriteBlocks>
int RunExportFrame(App& app, ExportCode code, char* path, char* name, WriteBlocks writeBlocks) {
  const ExportType& type = *FindExportType(code);
  std::unique_ptr<OutputFile> file = OpenExportFile(app, path, name, type);
  if (file == nullptr) return 0;
  PlanStream stream(*file);
  writeBlocks(stream);
  if (ReportWriteError(app, *file, name, type.texts.writeError)) return 0;
  return CloseExportFile(app, *file, name, type);
}
