// Only the lower-case letters count: the mnemonics of "&Open..." and
// "&Save as..." and the upper-case letters post nothing.
#include "commands/ButtonShortcuts.h"

#include "host/ControlIds.h"

namespace {

struct ButtonShortcut {
  signed char character;
  int command;
};

const ButtonShortcut kButtonShortcuts[] = {
    {'b', kBuildButton}, {'c', kCancelButton}, {'d', kDetailsButton}, {'h', kHelpButton}, {'s', kSaveButton},
};

}  // namespace

int ButtonForShortcut(unsigned long menuCharWord) {
  const auto character = static_cast<signed char>(menuCharWord & 0xFF);
  for (const ButtonShortcut& shortcut : kButtonShortcuts)
    if (shortcut.character == character) return shortcut.command;
  return 0;
}
