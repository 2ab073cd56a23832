// The main-window port: the controls of the main window addressed by control id
// (see ControlIds.h), its menu and toolbar items, status bar, busy feedback,
// command queue and title. The Win32 shell implements it over the real dialog;
// tests use an in-memory fake; the command-line converter keeps the values it needs.
#pragma once

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // Text, number, enabled and checked state of dialog items.
  virtual void SetControlText(int controlId, const char* text) = 0;
  // Copies at most bufferSize - 1 characters and always terminates.
  virtual void GetControlText(int controlId, char* buffer, int bufferSize) = 0;
  virtual void SetControlNumber(int controlId, int value) = 0;  // signed, as SetDlgItemInt
  virtual void SetControlEnabled(int controlId, bool enabled) = 0;
  virtual bool IsButtonChecked(int controlId) = 0;
  // Checks `checkedId` and clears the other buttons from firstId to lastId.
  virtual void CheckRadio(int firstId, int lastId, int checkedId) = 0;

  // Drop-down lists that keep their entries sorted (the runway lists).
  virtual void ResetList(int listId) = 0;
  virtual void SetListRedraw(int listId, bool redraw) = 0;
  virtual void AddListEntry(int listId, const char* text) = 0;
  virtual int ListEntryCount(int listId) = 0;
  virtual int ListEntryLength(int listId, int index) = 0;  // -1 for no such entry
  virtual void GetListEntry(int listId, int index, char* buffer, int bufferSize) = 0;
  virtual void SelectListEntry(int listId, int index) = 0;
  virtual int ListSelection(int listId) = 0;  // -1 for none

  // Menu items and toolbar buttons, by command id.
  virtual void SetMenuItemEnabled(int commandId, bool enabled) = 0;
  virtual void SetToolbarButtonEnabled(int commandId, bool enabled) = 0;

  // Status bar part 0 and the feedback of a long step (wait cursor, animation).
  virtual bool IsStatusBarVisible() = 0;
  virtual void SetStatusText(const char* text) = 0;
  virtual void StartBusyFeedback() = 0;
  virtual void StopBusyFeedback() = 0;

  // Commands to the main window: posted run after the current one, sent run now.
  virtual void PostCommand(int commandId) = 0;
  virtual void SendCommand(int commandId) = 0;

  // The main window's title bar, as given (SetCaption builds "PlanTransit - ...").
  virtual void SetTitle(const char* title) = 0;
};
