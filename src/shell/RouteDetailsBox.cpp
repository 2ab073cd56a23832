// The details list filled from the route table through the portable row texts,
// coloured through custom draw; and the about box, which shares the pattern.
#include "shell/RouteDetailsBox.h"

#include <commctrl.h>

#include "commands/Session.h"
#include "host/ControlIds.h"
#include "present/RouteDetails.h"
#include "shell/Help.h"
#include "shell/Shell.h"
#include "shell/WindowCaption.h"

namespace {

constexpr int kDetailsList = IDC_ROUTE_DETAILS_LIST;
constexpr int kPictureSize = 12;
constexpr int kPictureListGrowth = 12;
const DWORD kDetailsHelpTopics[] = {kDetailsList, 0x80770000 + kDetailsList, 0, 0};

// What the dialog procedures need: the shell (icon, instance) and the route.
struct DetailsContext {
  const Shell* shell;
  const RouteTable* route;
};

void SetProgramIcon(HWND dialog, HINSTANCE instance) {
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// The width of one column unit in the dialog's default device-context font.
int ColumnUnitOf(HWND dialog) {
  HDC context = GetDC(dialog);
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  ReleaseDC(dialog, context);
  // The pitch bit set means variable pitch, despite TMPF_FIXED_PITCH's name.
  return RouteDetailsColumnUnit(metrics.tmAveCharWidth, (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0);
}

int FormatOf(ColumnAlignment alignment) {
  switch (alignment) {
    case ColumnAlignment::Left: return LVCFMT_LEFT;
    case ColumnAlignment::Centre: return LVCFMT_CENTER;
    case ColumnAlignment::Right: return LVCFMT_RIGHT;
  }
  return LVCFMT_LEFT;
}

void AttachPictures(HWND list, HINSTANCE instance) {
  InitCommonControls();
  HIMAGELIST pictures = ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR16, kPictureListGrowth,
                                         kPictureListGrowth);
  HBITMAP strip = LoadBitmapA(instance, MAKEINTRESOURCEA(kWaypointBitmap));
  ImageList_Add(pictures, strip, nullptr);
  DeleteObject(strip);
  // The list destroys the image list with itself.
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures));
}

void InsertColumns(HWND list, int unit) {
  for (int i = 0; i < kRouteDetailsColumnCount; ++i) {
    const RouteDetailsColumn& column = kRouteDetailsColumns[i];
    LVCOLUMNA item{};
    item.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    item.fmt = FormatOf(column.alignment);
    item.cx = column.widthUnits * unit;
    item.pszText = const_cast<char*>(column.header);
    item.iSubItem = i;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&item));
  }
}

void InsertRow(HWND list, const WaypointRow& waypoint, int index) {
  RouteDetailsRow row;
  FormatRouteDetailsRow(waypoint, index, row);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = row.cells[0];
  item.iImage = row.imageIndex;
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (int column = 1; column < kRouteDetailsColumnCount; ++column) {
    LVITEMA cell{};
    cell.mask = LVIF_TEXT;
    cell.iItem = index;
    cell.iSubItem = column;
    cell.pszText = row.cells[column];
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&cell));
  }
}

void FillDetailsList(HWND dialog, const DetailsContext& context) {
  int unit = ColumnUnitOf(dialog);
  SetProgramIcon(dialog, context.shell->instance);
  HWND list = GetDlgItem(dialog, kDetailsList);
  AttachPictures(list, context.shell->instance);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  InsertColumns(list, unit);
  const RouteTable& route = *context.route;
  for (uint32_t i = 0; i < route.waypointCount && i < kMaxWaypoints; ++i) {
    InsertRow(list, route.rows[i], static_cast<int>(i));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

COLORREF ColourRefOf(const RgbColour& colour) { return RGB(colour.red, colour.green, colour.blue); }

// The answer to the list's custom draw: per-item colours.
LRESULT RowColoursFor(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      RowColours colours = RouteDetailsRowColours(static_cast<int>(draw.nmcd.dwItemSpec));
      draw.clrText = ColourRefOf(colours.text);
      draw.clrTextBk = ColourRefOf(colours.background);
      return CDRF_NEWFONT;
    }
    default: return 0;
  }
}

INT_PTR OnDetailsNotify(HWND dialog, NMHDR& header) {
  if (header.idFrom != kDetailsList || header.code != NM_CUSTOMDRAW) return FALSE;
  // A 64-bit answer: SetDlgMsgResult would cut it.
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, RowColoursFor(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
  return TRUE;
}

// OK and Cancel (Escape) end both dialogs.
bool EndsDialog(WPARAM wParam) { return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL; }

INT_PTR CALLBACK RouteDetailsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: FillDetailsList(dialog, *reinterpret_cast<const DetailsContext*>(lParam)); return TRUE;
    case WM_PAINT: SetCaption(dialog, "Route Details"); return FALSE;
    case WM_NOTIFY: return OnDetailsNotify(dialog, *reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
      if (EndsDialog(wParam)) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    case WM_HELP: ShowControlHelp(HelpItem(lParam), kDetailsHelpTopics); return TRUE;
    case WM_CONTEXTMENU: ShowControlHelpMenu(reinterpret_cast<HWND>(wParam), kDetailsHelpTopics); return TRUE;
    default: return FALSE;
  }
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: SetProgramIcon(dialog, reinterpret_cast<const Shell*>(lParam)->instance); return TRUE;
    case WM_PAINT: SetCaption(dialog, "Version Information"); return FALSE;
    case WM_COMMAND:
      if (EndsDialog(wParam)) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void ShowRouteDetails(const Shell& shell) {
  DetailsContext context = {&shell, &shell.session->route};
  DialogBoxParamA(shell.instance, "RouteDetailsBox", shell.mainWindow, RouteDetailsProcedure,
                  reinterpret_cast<LPARAM>(&context));
}

void ShowAboutBox(const Shell& shell) {
  DialogBoxParamA(shell.instance, "AboutBox", shell.mainWindow, AboutProcedure,
                  reinterpret_cast<LPARAM>(&shell));
}
