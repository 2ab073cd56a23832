// Dialog items and list-view messages behind the settings page port. A list
// row's check box is its state image: 1 clear, 2 ticked.
#include "shell/Win32SettingsPage.h"

#include <commctrl.h>
#include <prsht.h>

#include "shell/Bars.h"
#include "shell/Shell.h"

namespace {

constexpr UINT kClearImage = 1;
constexpr UINT kTickedImage = 2;
constexpr int kNameColumnWidth = 150;  // pixels; the folder column takes the rest

HWND ListOf(HWND page, int listId) { return GetDlgItem(page, listId); }

void SetCell(HWND list, int row, int column, const char* text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text);
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

void InsertColumn(HWND list, int index, const char* header, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(header);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

}  // namespace

bool Win32SettingsPage::IsChecked(int controlId) { return IsDlgButtonChecked(page_, controlId) == BST_CHECKED; }

void Win32SettingsPage::Check(int controlId, bool checked) {
  CheckDlgButton(page_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32SettingsPage::SetText(int controlId, const char* text) { SetDlgItemTextA(page_, controlId, text); }

void Win32SettingsPage::AddListRow(int listId, const char* name, const char* folder, bool checked) {
  HWND list = ListOf(page_, listId);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(name);
  int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  SetCell(list, row, 1, folder);
  LVITEMA state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(checked ? kTickedImage : kClearImage);
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

void Win32SettingsPage::SetListRowFolder(int listId, int row, const char* folder) {
  SetCell(ListOf(page_, listId), row, 1, folder);
}

bool Win32SettingsPage::IsListRowChecked(int listId, int row) {
  LRESULT state = SendMessageA(ListOf(page_, listId), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
  return (static_cast<UINT>(state) >> 12) == kTickedImage;
}

int Win32SettingsPage::SelectedListRow(int listId) {
  return static_cast<int>(SendMessageA(ListOf(page_, listId), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32SettingsPage::EnableApply() {
  SendMessageA(GetParent(page_), PSM_CHANGED, reinterpret_cast<WPARAM>(page_), 0);
}

void Win32SettingsPage::ApplyMenuBar() { ::ApplyMenuBar(shell_, shell_.mainWindow); }

void PrepareSimulatorsList(HWND page, int listId) {
  HWND list = ListOf(page, listId);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  RECT client;
  GetClientRect(list, &client);
  InsertColumn(list, 0, "Simulator", kNameColumnWidth);
  InsertColumn(list, 1, "Folder", client.right - kNameColumnWidth - GetSystemMetrics(SM_CXVSCROLL));
}
