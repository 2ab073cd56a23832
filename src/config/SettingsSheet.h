// The settings sheet's logic, apart from the dialog toolkit: which control shows
// which field, when a page's values are stored and which keys that writes, and
// the two changed flags that outlive every single run of the sheet.
#pragma once

#include "config/ConfigurationLocation.h"
#include "config/ProgramSettings.h"
#include "host/FileDialogPort.h"
#include "host/FolderDialogPort.h"
#include "host/RegistryPort.h"

class SettingsPagePort;

// One per program run, false at start and never reset when the sheet opens.
// `optionsChanged` is cleared once the Options page has stored its values;
// `exportsChanged` and `simulatorsChanged`, once set, stay set for the rest of
// the run.
struct SettingsSheetFlags {
  bool optionsChanged;
  bool exportsChanged;
  bool simulatorsChanged;
};

// What a page's commands and its apply work on: the settings, the run's changed
// flags, the configuration file, and the pickers of its "..." buttons.
struct SettingsSheetContext {
  ProgramSettings& settings;
  SettingsSheetFlags& flags;
  ConfigurationPorts configuration;
  FolderDialogPort& folders;
  FileDialogPort& dialogs;
};

// The notification of a button click, the only one a page reacts to.
constexpr int kClickNotification = 0;
// What the shell reports when the user ticks or clears a row of a page's list: no
// WM_COMMAND notification has this value.
constexpr int kListRowCheckedNotification = -1;

// Re-reads the stored settings as the sheet opens, dropping picks left in memory
// by an earlier cancelled sheet. The running program's own state keeps its value:
// the current source and destination files, the export type and the bars shown.
void OpenSettingsSheet(ProgramSettings& settings, const ConfigurationPorts& configuration, RegistryPort& registry);

// Fills the Options page from the settings: one button of each group checked
// (none for a value out of range), the two check boxes, the three path fields. A
// non-zero `menuOption` becomes 1.
void FillOptionsPage(ProgramSettings& settings, SettingsPagePort& page);

// Fills the Exports page from the settings, without reading the file: each
// format's switch and folder.
void FillExportsPage(const ProgramSettings& settings, SettingsPagePort& page);

// A command from a control of the Options page (`notification` as WM_COMMAND
// brings it). A click on a "..." button runs its picker (folder browser, or the
// airport data file dialog for the data file); a pick goes into the settings at
// once, shows in the field beside the button, sets `optionsChanged` and enables
// Apply. A click on any other control but id 1 sets the flag and enables Apply.
// Everything else (typing into a field, too) is ignored.
void OnOptionsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification);

// The same for the Exports page and `exportsChanged`; its "..." buttons pick the
// Save all folders of the programs of old.
void OnExportsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification);

// Fills the Simulators page from the settings, without reading the file: one row
// per format the registry puts on it, in its order, with the format's label, its
// Save all folder and its switch as the row's check box.
void FillSimulatorsPage(const ProgramSettings& settings, SettingsPagePort& page);

// A command of the Simulators page: a row ticked or cleared marks the page
// changed; "Change folder..." runs the folder browser for the selected row (none
// selected: nothing happens), and a chosen folder goes into the settings at once,
// shows in the row and marks the page changed.
void OnSimulatorsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification);

// OK or Apply on the Options page. Only when `optionsChanged` is set: reads the
// page's buttons into the settings (a group with no button checked keeps its
// value), applies the menu bar when that choice changed, writes every key of the
// page one by one, then confirms with "The Default settings have successfully
// been saved!..." and clears the flag. When any key could not be written the
// user gets an error naming the configuration file instead and the flag stays
// set, so the next Apply tries again.
void ApplyOptionsPage(SettingsSheetContext& sheet, SettingsPagePort& page);

// OK or Apply on the Exports page. Only when `exportsChanged` is set: reads the
// switches, writes them and the folders one by one, each in the order the
// registry gives. No message on success; the configuration-file error when a
// key could not be written.
void ApplyExportsPage(SettingsSheetContext& sheet, SettingsPagePort& page);

// OK or Apply on the Simulators page. Only when `simulatorsChanged` is set: reads
// the rows' check boxes into the switches, writes them and then the folders, in
// the page's order. No message on success; the configuration-file error when a
// key could not be written.
void ApplySimulatorsPage(SettingsSheetContext& sheet, SettingsPagePort& page);
