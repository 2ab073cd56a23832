// The save frame: the steps every plan runs around its writer, with the texts and
// message kinds of each step. It names the file, refuses an empty name, asks
// before overwriting, writes the plan into a new file and puts it in the
// target's place only when every byte was written.
#pragma once

#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "host/Paths.h"
#include "writers/FormatRegistry.h"
#include "writers/PlanInput.h"

// The second line of the overwrite question, after the type's exists text.
constexpr const char* kOverwriteQuestion = "Do you want to overwrite it?";

struct SavePorts {
  FileSystem& files;
  MessagePort& messages;
  // Every plan is read back before it takes its target's place (PlanReadBack.h);
  // only the converter's --no-verify turns that off.
  bool verify = true;
};

enum class SaveOutcome {
  Written,
  NoName,      // the path was empty (empty-name text, error)
  Declined,    // the user answered No to the overwrite question
  NotCreated,  // the file could not be created (create-failure text, warning)
  NotWritten,  // a block or the commit failed (write-error text, error)
  NotAsWritten,  // read back, it differs from the route ("%s was not saved: ...", error)
};

struct SavedPlan {
  SaveOutcome outcome;
  // The path and name as the frame used them: with the type's extension in
  // place of theirs, unless it did not fit.
  char path[kPathSize];
  char name[kPathSize];
};

// Saves `plan` as a plan of `type` at `path` (its file name `name`, as messages
// and the plan itself name it). Every step's message is shown through
// `ports.messages`; a plan that was not written leaves any file at the path as
// it was. Before the new file takes the target's place it is read back and
// compared with the plan (unless `ports.verify` is off): a difference is an
// error naming the file and the first difference, and nothing is put in place.
// Changes neither the plan nor its arguments: the names used come back in the
// answer.
SavedPlan SavePlan(const ExportType& type, const PlanInput& plan, const char* path, const char* name,
                   const SavePorts& ports);
