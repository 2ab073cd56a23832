// The main window kept in memory for tests: control texts, checked buttons,
// lists, menu and toolbar states, status text, busy feedback, the commands
// posted and sent, and the title. Its state is public: tests read and set it
// directly. Its lists keep their entries in the order they were added: the
// route build orders runways itself, so a test sees the order it gave.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/WindowPort.h"

class MemoryWindow : public WindowPort {
 public:
  struct SortedList {
    std::vector<std::string> entries;
    int selection = -1;
    bool redraw = true;
  };

  void SetControlText(int controlId, const char* text) override { texts[controlId] = text; }
  void GetControlText(int controlId, char* buffer, int bufferSize) override;
  void SetControlNumber(int controlId, int value) override { texts[controlId] = std::to_string(value); }
  void SetControlEnabled(int controlId, bool enabled) override { enabledControls[controlId] = enabled; }
  bool IsButtonChecked(int controlId) override { return checked[controlId]; }
  void CheckRadio(int firstId, int lastId, int checkedId) override;

  void ResetList(int listId) override { lists[listId] = SortedList{}; }
  void SetListRedraw(int listId, bool redraw) override { lists[listId].redraw = redraw; }
  void AddListEntry(int listId, const char* text) override;
  int ListEntryCount(int listId) override { return static_cast<int>(lists[listId].entries.size()); }
  int ListEntryLength(int listId, int index) override;
  void GetListEntry(int listId, int index, char* buffer, int bufferSize) override;
  void SelectListEntry(int listId, int index) override { lists[listId].selection = index; }
  int ListSelection(int listId) override { return lists[listId].selection; }

  void SetMenuItemEnabled(int commandId, bool enabled) override { enabledMenuItems[commandId] = enabled; }
  void SetToolbarButtonEnabled(int commandId, bool enabled) override {
    enabledToolbarButtons[commandId] = enabled;
  }

  bool IsStatusBarVisible() override { return statusBarVisible; }
  void SetStatusText(const char* text) override { statusTexts.push_back(text); }
  void StartBusyFeedback() override { ++busyStarts; }
  void StopBusyFeedback() override { ++busyStops; }

  void PostCommand(int commandId) override { postedCommands.push_back(commandId); }
  void SendCommand(int commandId) override {
    sentCommands.push_back(commandId);
    if (onSendCommand) onSendCommand(commandId);
  }

  void SetTitle(const char* text) override { title = text; }

  std::map<int, std::string> texts;
  std::map<int, bool> enabledControls;
  std::map<int, bool> checked;
  std::map<int, SortedList> lists;
  std::map<int, bool> enabledMenuItems;
  std::map<int, bool> enabledToolbarButtons;
  bool statusBarVisible = true;
  std::vector<std::string> statusTexts;
  int busyStarts = 0;
  int busyStops = 0;
  std::vector<int> postedCommands;
  std::vector<int> sentCommands;
  // Runs a sent command inside the call, as the real window would; empty: only recorded.
  std::function<void(int)> onSendCommand;
  std::string title;
};
