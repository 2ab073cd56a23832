// The main-window port on Windows, over the real controls of the main window,
// its main menu, toolbar and status bar.
#pragma once

#include "host/WindowPort.h"

struct Shell;

class Win32WindowPort : public WindowPort {
 public:
  explicit Win32WindowPort(const Shell& shell) : shell_(shell) {}

  void SetControlText(int controlId, const char* text) override;
  void GetControlText(int controlId, char* buffer, int bufferSize) override;
  void SetControlNumber(int controlId, int value) override;
  void SetControlEnabled(int controlId, bool enabled) override;
  bool IsButtonChecked(int controlId) override;
  void CheckRadio(int firstId, int lastId, int checkedId) override;

  void ResetList(int listId) override;
  void SetListRedraw(int listId, bool redraw) override;
  void AddListEntry(int listId, const char* text) override;
  int ListEntryCount(int listId) override;
  int ListEntryLength(int listId, int index) override;
  void GetListEntry(int listId, int index, char* buffer, int bufferSize) override;
  void SelectListEntry(int listId, int index) override;
  int ListSelection(int listId) override;

  void SetMenuItemEnabled(int commandId, bool enabled) override;
  void SetToolbarButtonEnabled(int commandId, bool enabled) override;

  bool IsStatusBarVisible() override;
  void SetStatusText(const char* text) override;
  void StartBusyFeedback() override;
  void StopBusyFeedback() override;

  void PostCommand(int commandId) override;
  void SendCommand(int commandId) override;

  void SetTitle(const char* title) override;

 private:
  const Shell& shell_;
};
