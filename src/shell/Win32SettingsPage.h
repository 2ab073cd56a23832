// The settings page port on Windows, over one property page's dialog items: its
// buttons and fields, and the list view of the Simulators page.
#pragma once

#include "config/SettingsPagePort.h"
#include "shell/Win32.h"
#include "shell/Win32MessagePort.h"

struct Shell;

class Win32SettingsPage : public SettingsPagePort {
 public:
  Win32SettingsPage(HWND page, Shell& shell) : page_(page), shell_(shell), messages_(page) {}

  bool IsChecked(int controlId) override;
  void Check(int controlId, bool checked) override;
  void SetText(int controlId, const char* text) override;
  void AddListRow(int listId, const char* name, const char* folder, bool checked) override;
  void SetListRowFolder(int listId, int row, const char* folder) override;
  bool IsListRowChecked(int listId, int row) override;
  int SelectedListRow(int listId) override;
  void EnableApply() override;
  void ApplyMenuBar() override;
  MessagePort& Messages() override { return messages_; }

 private:
  HWND page_;
  Shell& shell_;
  DialogMessagePort messages_;
};

// Gives list view `listId` of `page` its check boxes, full-row selection and the
// columns "Simulator" and "Folder", so AddListRow can fill it.
void PrepareSimulatorsList(HWND page, int listId);
