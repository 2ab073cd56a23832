// The pieces both settings pages share: the folder pickers, the changed flag with
// the Apply button, and the error when the configuration file was not written.
#pragma once

#include "config/ProgramSettings.h"

struct App;
class SettingsPagePort;

// The sheet's OK button, whose commands the pages ignore.
constexpr int kOkControlId = 1;

using SettingsTextField = char (ProgramSettings::*)[kPathSize];

constexpr const char* kSourceFolderPrompt = "Please select a default flight plan source folder:";
constexpr const char* kDestinationFolderPrompt = "Please select a default flight plan destination folder:";

// A "..." button that picks a folder into a settings field shown in an edit.
struct FolderButton {
  int buttonId;
  int editId;
  SettingsTextField field;
  const char* prompt;
};

// Sets the page's flag and enables the sheet's Apply button.
void MarkPageChanged(bool& changedFlag, SettingsPagePort& page);

// Runs the folder browser for `button`; a chosen folder goes into its field and
// its edit, and marks the page changed. Nothing changes when none was chosen.
void RunFolderButton(App& app, bool& changedFlag, SettingsPagePort& page, const FolderButton& button);

// Tells the user, over the page, that the settings could not be written to the
// configuration file, naming it.
void ReportSettingsNotSaved(App& app, SettingsPagePort& page);
