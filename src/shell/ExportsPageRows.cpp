// Positions are in dialog units, mapped to the page's pixels, so the rows sit as
// they would in a template of the same font.
#include "shell/ExportsPageRows.h"

#include "config/ExportsPage.h"

namespace {

constexpr int kFirstRowTop = 18;
constexpr int kLastRowBottom = 256;  // the group box's inside ends below it
constexpr int kRowPitch = 25;
constexpr int kFieldHeight = 13;

struct Placement {
  int left, top, width, height;
};

HWND CreateControl(HWND page, DWORD extendedStyle, const char* className, const char* text, DWORD style, int id,
                   Placement at) {
  // Position and size are mapped apart, as the dialog manager maps a template's.
  RECT mapped = {at.left, at.top, at.width, at.height};
  MapDialogRect(page, &mapped);
  HWND control = CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, mapped.left, mapped.top,
                                 mapped.right, mapped.bottom, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 nullptr, nullptr);
  SendMessageA(control, WM_SETFONT, SendMessageA(page, WM_GETFONT, 0, 0), FALSE);
  return control;
}

// The distance between rows: the template's 25 units while they fit, closer beyond.
int RowPitch(int rowCount) {
  if (rowCount < 2) return kRowPitch;
  int fitting = (kLastRowBottom - kFieldHeight - kFirstRowTop) / (rowCount - 1);
  return fitting < kRowPitch ? fitting : kRowPitch;
}

}  // namespace

void CreateExportsPageRows(HWND page) {
  const ExportsPageRows& rows = ExportsPage();
  const int pitch = RowPitch(static_cast<int>(rows.size()));
  int top = kFirstRowTop;
  for (const ExportsPageRow& row : rows) {
    CreateControl(page, 0, "Button", row.type->label, BS_AUTOCHECKBOX | WS_TABSTOP, row.controls.check,
                  {15, top + 2, 100, 10});
    CreateControl(page, WS_EX_CLIENTEDGE, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP, row.controls.folderEdit,
                  {118, top, 142, kFieldHeight});
    CreateControl(page, 0, "Button", "...", BS_PUSHBUTTON | WS_TABSTOP, row.controls.folderButton,
                  {264, top, 22, kFieldHeight});
    top += pitch;
  }
}
