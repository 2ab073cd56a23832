// Message boxes: the kinds and buttons of the port mapped to MessageBox styles.
#include "shell/Win32MessagePort.h"

#include "shell/Shell.h"

namespace {

UINT IconStyle(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return MB_ICONERROR;
    case MessageKind::Warning: return MB_ICONWARNING;
    case MessageKind::Question: return MB_ICONQUESTION;
    case MessageKind::Information: return MB_ICONINFORMATION;
  }
  return 0;
}

UINT ButtonStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return MB_OK;
    case MessageButtons::YesNo: return MB_YESNO;
    case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
  }
  return MB_OK;
}

MessageAnswer AnswerOf(int result) {
  switch (result) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

MessageAnswer ShowOwnedMessage(HWND owner, const char* text, MessageKind kind, MessageButtons buttons) {
  return AnswerOf(MessageBoxA(owner, text, "PlanTransit", IconStyle(kind) | ButtonStyle(buttons)));
}

}  // namespace

MessageAnswer Win32MessagePort::ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) {
  return ShowOwnedMessage(shell_.mainWindow, text, kind, buttons);
}

MessageAnswer DialogMessagePort::ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) {
  return ShowOwnedMessage(owner_, text, kind, buttons);
}
