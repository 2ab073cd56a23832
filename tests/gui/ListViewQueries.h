// Reading another process's list view: its column headers, cell texts and row
// count. The list answers text requests only into its own process's memory.
#pragma once

#include "shell/Win32.h"

#include <string>

// The header of `column`; "<no column>" when the list has no such column.
std::string ColumnHeader(HWND list, DWORD processId, int column);
// The text of row `item`, column `column` (LVM_GETITEMTEXT); empty for no such cell.
std::string ItemText(HWND list, DWORD processId, int item, int column);
long ListItemCount(HWND list);

// The item's state bits of `mask` (LVM_GETITEMSTATE).
unsigned ItemState(HWND list, int item, unsigned mask);

// Sets the item's state bits of `mask` to `state` (LVM_SETITEMSTATE, its item
// copied into the list's process), as a click would; true when the list took it.
bool SetItemState(HWND list, DWORD processId, int item, unsigned state, unsigned mask);
