// The copy borrows the main menu's sub-menus, so it is emptied before it is
// destroyed: destroying it with them attached would destroy the main menu's own.
#include "shell/ShortcutMenu.h"

#include "commands/Session.h"
#include "shell/Shell.h"

namespace {

constexpr int kMenuTextSize = 128;

void CopyTopLevelItems(HMENU from, HMENU to) {
  for (UINT position = 0;; ++position) {
    const UINT state = GetMenuState(from, position, MF_BYPOSITION);
    if (state == static_cast<UINT>(-1)) break;
    char text[kMenuTextSize] = "";
    GetMenuStringA(from, position, text, sizeof text, MF_BYPOSITION);
    const UINT flags = state & 0xFF;
    const UINT_PTR item = (state & MF_POPUP) != 0
                              ? reinterpret_cast<UINT_PTR>(GetSubMenu(from, static_cast<int>(position)))
                              : GetMenuItemID(from, static_cast<int>(position));
    AppendMenuA(to, flags, item, text);
  }
}

}  // namespace

void ShowShortcutMenu(Shell& shell, POINT clientPoint) {
  if (!shell.session->settings.mouseOption || shell.mainMenu == nullptr) return;
  HMENU popup = CreatePopupMenu();
  if (popup == nullptr) return;
  CopyTopLevelItems(shell.mainMenu, popup);
  ClientToScreen(shell.mainWindow, &clientPoint);
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, clientPoint.x, clientPoint.y, 0, shell.mainWindow, nullptr);
  while (RemoveMenu(popup, 0, MF_BYPOSITION)) {
  }
  DestroyMenu(popup);
}
