#include "ProgramDialogs.h"

#include "WindowQueries.h"

HWND WaitForDialog(TestedProgram& program, const char* title, CaseReport& report) {
  HWND dialog = nullptr;
  if (!WaitUntil([&] { return (dialog = FindTopLevel(program.ProcessId(), "#32770", title)) != nullptr; })) {
    report.Fail(std::string("no dialog \"") + title + "\"; saw " + DescribeTopLevels(program.ProcessId()));
  }
  return dialog;
}

bool WaitUntilGone(TestedProgram& program, const char* title) {
  return WaitUntil([&] { return FindTopLevel(program.ProcessId(), "#32770", title) == nullptr; });
}

std::string ButtonsOf(HWND box) {
  std::string buttons;
  for (int id : {IDOK, IDYES, IDNO, IDCANCEL, IDABORT, IDRETRY, IDIGNORE}) {
    HWND button = GetDlgItem(box, id);
    if (button != nullptr && IsWindowVisible(button)) buttons.append("[").append(TextOf(button)).append("]");
  }
  return buttons;
}

void AnswerMessageBox(TestedProgram& program, HWND box, CaseReport& report, const std::string& text, int icon,
                      const char* buttons, int answer) {
  report.ExpectText(text, TextOf(GetDlgItem(box, kMessageText)), "message text");
  report.ExpectNumber(icon, program.MessageBoxIcon(box, report), "message icon of \"" + Visible(text) + "\"");
  report.ExpectText(buttons, ButtonsOf(box), "message buttons of \"" + Visible(text) + "\"");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
  report.Expect(WaitUntil([&] { return !IsWindow(box); }), "the message \"" + Visible(text) + "\" did not close");
}

void AnswerNextMessage(TestedProgram& program, CaseReport& report, const std::string& text, int icon,
                       const char* buttons, int answer) {
  HWND box = WaitForDialog(program, kMessageBoxTitle, report);
  if (box != nullptr) AnswerMessageBox(program, box, report, text, icon, buttons, answer);
}

void SelectFilter(HWND dialog, int filterIndex) {
  HWND list = GetDlgItem(dialog, kFilterList);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(list, CB_SETCURSEL, filterIndex - 1, 0, SMTO_ABORTIFHUNG, 5000, &result);
  // What the list tells its dialog when a person picks an entry.
  for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(kFilterList, notification), reinterpret_cast<LPARAM>(list),
                        SMTO_ABORTIFHUNG, 5000, &result);
  }
}

void ChooseFile(HWND dialog, const std::string& path) {
  SetTextOf(GetDlgItem(dialog, kFileNameBox), path);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
