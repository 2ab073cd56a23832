// What the settings sheet's logic needs of one page on screen: its buttons,
// fields and list by control id, the sheet's Apply button, the main window's menu bar and
// message boxes over the page. The Win32 shell implements it over a property
// page; tests use an in-memory fake.
#pragma once

class MessagePort;

class SettingsPagePort {
 public:
  virtual ~SettingsPagePort() = default;
  virtual bool IsChecked(int controlId) = 0;
  virtual void Check(int controlId, bool checked) = 0;
  virtual void SetText(int controlId, const char* text) = 0;
  // A list of rows with a check box each (the Simulators page's list view):
  // rows are added at its end, counted from 0.
  virtual void AddListRow(int listId, const char* name, const char* folder, bool checked) = 0;
  virtual void SetListRowFolder(int listId, int row, const char* folder) = 0;
  virtual bool IsListRowChecked(int listId, int row) = 0;
  virtual int SelectedListRow(int listId) = 0;  // -1 for none
  // Tells the sheet that a page has changes, which enables its Apply button.
  virtual void EnableApply() = 0;
  // Attaches or removes the main window's menu bar as `menuOption` now says.
  virtual void ApplyMenuBar() = 0;
  // Message boxes owned by the page.
  virtual MessagePort& Messages() = 0;
};
