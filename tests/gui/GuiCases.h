// The GUI cases: each drives the real program (or the file-dialog harness) as a
// person would and reports what it found.
#pragma once

#include <string>
#include <vector>

#include "Expect.h"
#include "TestedProgram.h"

struct GuiCase {
  const char* name;
  void (*run)(const DriverPaths& paths, CaseReport& report);
};

std::vector<GuiCase> StartCases();
std::vector<GuiCase> BarCases();
std::vector<GuiCase> KeyboardCases();
std::vector<GuiCase> FileDialogCases();
std::vector<GuiCase> ConversionCases();
std::vector<GuiCase> SecondaryCommandCases();
std::vector<GuiCase> SettingsCases();
std::vector<GuiCase> InstallationCases();

// Writes `text` to `path`; false when it cannot.
bool WriteTextFile(const std::string& path, const std::string& text);
// The whole file, byte for byte; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// A file of the source tree (samples, golden plans, data), as Wine names it.
std::string SourcePath(const std::string& relative);
// "\"a\" \"b\"": arguments quoted for a command line.
std::string Quoted(const std::string& argument);
