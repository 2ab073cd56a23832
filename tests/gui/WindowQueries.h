// Reading and working another process's windows as a person would: texts, states,
// positions, clicks, keys and commands. Every wait has a deadline.
#pragma once

#include "shell/Win32.h"

#include <functional>
#include <string>
#include <vector>

constexpr DWORD kDeadlineMs = 20000;

// Polls `condition` until it holds or `timeoutMs` passes; answers whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadlineMs);

// WM_GETTEXT across processes; empty for a window that does not answer.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& text);
std::string ClassOf(HWND window);
// The entries of a combo box. The common dialogs' lists are Unicode windows, so
// they are read with the wide messages and converted.
std::vector<std::string> ComboEntries(HWND list);

// A visible top-level window of process `processId` with this class and, unless
// `title` is null, this title; null when there is none.
HWND FindTopLevel(DWORD processId, const char* className, const char* title);
// Every visible top-level window of the process, described for failure texts.
std::string DescribeTopLevels(DWORD processId);

// The child of `parent` with this class and control id, or null.
HWND FindChild(HWND parent, const char* className, int controlId);

RECT WindowRectOf(HWND window);
int HeightOf(HWND window);
std::string Describe(const RECT& rect);

// Posted input, as the program's message loop receives it.
void PostCommand(HWND window, int commandId);
void PostClick(HWND control);
void PostKey(HWND control, UINT virtualKey);

// The position and size of every direct child window of `parent`.
struct ChildPlace {
  HWND window;
  int controlId;
  std::string className;
  RECT rect;
};
std::vector<ChildPlace> ChildPlaces(HWND parent);
