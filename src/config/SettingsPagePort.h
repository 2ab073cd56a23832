// What the settings sheet's logic needs of one page on screen: its buttons and
// fields by control id, the sheet's Apply button, the main window's menu bar and
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
  // Tells the sheet that a page has changes, which enables its Apply button.
  virtual void EnableApply() = 0;
  // Attaches or removes the main window's menu bar as `menuOption` now says.
  virtual void ApplyMenuBar() = 0;
  // Message boxes owned by the page.
  virtual MessagePort& Messages() = 0;
};
