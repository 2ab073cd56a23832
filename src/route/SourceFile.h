// The source as the validation and the build read it: each reading starts from
// the file's first byte, in pieces of 256 characters, every problem told with the
// source file's name. A small source is read from the file once and held; a
// larger one is opened anew by each reading.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "route/TextLineReader.h"

constexpr std::size_t kSourcePieceLength = 256;
constexpr std::size_t kSourceBlockSize = 16 * 1024;
// A source of at most this many bytes is read once and held for every reading.
constexpr std::size_t kHeldSourceSize = 64 * 1024;

// The source plan and where its problems are told.
struct SourcePlan {
  const char* path;
  const char* name;  // the file name every message gives
  FileSystem& files;
  MessagePort& messages;
  // The whole file, when HoldSmallSource kept it; null to open the file anew.
  const std::string* held;
};

// Reads the file at `source.path` into `bytes` when it opens, reads without
// error and holds at most kHeldSourceSize bytes; false otherwise (its readings
// then open it anew, and tell what fails).
bool HoldSmallSource(const SourcePlan& source, std::string& bytes);

// The source from its first byte: its held bytes, or the file at `path`, open;
// null after "Failed to open FliteStar Flightplan file
// %s" (error) when it cannot be opened.
std::unique_ptr<InputFile> OpenSourceFile(const SourcePlan& source);

// Shows `format` with "%s" standing for the source's name, OK button only.
void ReportSourceProblem(const SourcePlan& source, MessageKind kind, const char* format);

// "Error while reading from FliteStar Flightplan file %s" (error).
void ReportSourceReadError(const SourcePlan& source);

// Hands each further line of `reader` (a piece of at most kSourcePieceLength
// characters, line feed included) to `take` until the file ends or `take`
// answers false. False after a read error, which it reports.
bool ReadSourceLines(const SourcePlan& source, TextLineReader& reader,
                     const std::function<bool(const char* line)>& take);
