// The dialogs of a program under test: found by their title, filled in and
// answered as a person does it, their message boxes read and checked.
#pragma once

#include "shell/Win32.h"

#include <string>

#include "Expect.h"
#include "TestedProgram.h"

// Controls of the common file dialogs and of a message box.
constexpr int kFilterList = 0x470;
constexpr int kFileNameBox = 0x47C;
constexpr int kMessageText = 0xFFFF;
// Every message box of the program carries this title.
constexpr const char* kMessageBoxTitle = "PlanTransit";

// The program's dialog (class "#32770") of this title; null, with the windows
// the program shows in the report, when none comes before the deadline.
HWND WaitForDialog(TestedProgram& program, const char* title, CaseReport& report);
// Whether the program's last dialog of this title closed before the deadline.
bool WaitUntilGone(TestedProgram& program, const char* title);

// The texts of a message box's visible buttons: "[&Yes][&No][Cancel]".
std::string ButtonsOf(HWND box);
// Checks the text, icon (a ProbeIcon) and buttons of the message box `box`,
// presses `answer` and expects the box to close.
void AnswerMessageBox(TestedProgram& program, HWND box, CaseReport& report, const std::string& text, int icon,
                      const char* buttons, int answer);
// The same for the program's next message box, waited for.
void AnswerNextMessage(TestedProgram& program, CaseReport& report, const std::string& text, int icon,
                       const char* buttons, int answer);

// Picks filter `filterIndex` (1-based) of a file dialog as a person's click does.
void SelectFilter(HWND dialog, int filterIndex);
// Types `path` into a file dialog's name box and presses OK.
void ChooseFile(HWND dialog, const std::string& path);
