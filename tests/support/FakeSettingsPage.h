// A settings page for tests: its buttons' checks and fields' texts by control id,
// its list's rows, how often Apply was enabled and the menu bar applied, and its
// message boxes.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "config/SettingsPagePort.h"
#include "support/FakeMessagePort.h"

class FakeSettingsPage : public SettingsPagePort {
 public:
  bool IsChecked(int controlId) override { return checked[controlId]; }
  void Check(int controlId, bool isChecked) override { checked[controlId] = isChecked; }
  void SetText(int controlId, const char* text) override { texts[controlId] = text; }
  void AddListRow(int listId, const char* name, const char* folder, bool isChecked) override {
    lists[listId].push_back({name, folder, isChecked});
  }
  void SetListRowFolder(int listId, int row, const char* folder) override { lists[listId].at(row).folder = folder; }
  bool IsListRowChecked(int listId, int row) override { return lists[listId].at(row).checked; }
  int SelectedListRow(int) override { return selectedRow; }
  void EnableApply() override { ++applyEnabled; }
  void ApplyMenuBar() override { ++menuBarApplied; }
  MessagePort& Messages() override { return messages; }

  // What a click on a radio button does on screen: checks it, clears the others.
  void ClickRadio(int controlId, std::initializer_list<int> group) {
    for (int id : group) checked[id] = id == controlId;
  }

  struct ListRow {
    std::string name;
    std::string folder;
    bool checked;
  };

  std::map<int, bool> checked;
  std::map<int, std::vector<ListRow>> lists;
  int selectedRow = -1;
  std::map<int, std::string> texts;
  int applyEnabled = 0;
  int menuBarApplied = 0;
  FakeMessagePort messages;
};
