// The pieces both settings pages share: the folder pickers, the changed flag with
// the Apply button, and the error when the configuration file was not written.
#pragma once

#include "config/SettingsSheet.h"

// The sheet's OK button, whose commands the pages ignore.
constexpr int kOkControlId = 1;

constexpr const char* kSourceFolderPrompt = "Please select a default flight plan source folder:";
constexpr const char* kDestinationFolderPrompt = "Please select a default flight plan destination folder:";

// Sets the page's flag and enables the sheet's Apply button.
void MarkPageChanged(bool& changedFlag, SettingsPagePort& page);

// Runs the folder browser titled `prompt`; a chosen folder goes into `folder` (a
// settings field of 260 bytes) and into the page's edit `editId`, and marks the
// page changed. Nothing changes when none was chosen.
void RunFolderButton(SettingsSheetContext& sheet, bool& changedFlag, SettingsPagePort& page, int editId,
                     char* folder, const char* prompt);

// Tells the user, over the page, that the settings could not be written to the
// configuration file, naming it.
void ReportSettingsNotSaved(const SettingsSheetContext& sheet, SettingsPagePort& page);
