// Layout and creation of the main window's child controls.
#include "controls.h"

#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include "handles.h"

HWND hBaseReaEdit = nullptr;
HWND hFiringModeEdit = nullptr;
HWND hFpsEdit = nullptr;
HWND hReaEdit = nullptr;
HWND hResultList = nullptr;

namespace {

// One child control: what CreateWindowExW gets, and where its handle is kept.
struct ControlLayout {
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  int x, y, width, height;  // client coordinates of the main window, pixels
  int id;
  HWND* handle;  // nullptr: the control is never looked at again
};

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE;
// No ES_AUTOHSCROLL: typing stops when the field is full.
constexpr DWORD kField = WS_CHILD | WS_VISIBLE | WS_BORDER;

// In creation order, which is also the order the platform keeps children in.
// The field texts are the calculator's defaults.
const ControlLayout kInputLayout[] = {
    {L"STATIC", L"BaseRea:", kLabel, 10, 10, 80, 20, 0, nullptr},
    {L"EDIT", L"0.45", kField, 100, 10, 80, 20, 0, &hBaseReaEdit},
    {L"STATIC", L"FiringMode:", kLabel, 10, 40, 80, 20, 0, nullptr},
    {L"EDIT", L"3", kField, 100, 40, 80, 20, 0, &hFiringModeEdit},
    {L"STATIC", L"Fps:", kLabel, 10, 70, 80, 20, 0, nullptr},
    {L"EDIT", L"60", kField, 100, 70, 80, 20, 0, &hFpsEdit},
    {L"STATIC", L"Rea:", kLabel, 10, 100, 80, 20, 0, nullptr},
    {L"EDIT", L"81", kField, 100, 100, 80, 20, 0, &hReaEdit},
    {L"BUTTON", L"Calculate", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 130, 170, 25,
     IDC_CALCULATE, nullptr},
};

const ControlLayout kResultListLayout = {
    L"SysListView32", L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 200, 10, 380, 300, 0,
    &hResultList};

struct ColumnLayout {
  const wchar_t* header;
  int width;
};

const ColumnLayout kColumns[] = {{L"REA", 100}, {L"BPS", 150}};

void CreateControl(HWND parent, const ControlLayout& layout) {
  // A child window's menu argument carries its control identifier.
  HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id));
  HWND hwnd = CreateWindowExW(0, layout.className, layout.text, layout.style, layout.x, layout.y,
                              layout.width, layout.height, parent, id, nullptr, nullptr);
  if (layout.handle != nullptr) {
    *layout.handle = hwnd;
  }
}

}  // namespace

void CreateMainControls(HWND hwnd) {
  for (const ControlLayout& layout : kInputLayout) {
    CreateControl(hwnd, layout);
  }

  // The list view class is registered only on request.
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  CreateControl(hwnd, kResultListLayout);

  // Mask 0 sets all extended style bits at once.
  SendMessageW(hResultList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (int index = 0; index < 2; ++index) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;  // no LVCF_FMT: left-aligned by default
    column.pszText = const_cast<wchar_t*>(kColumns[index].header);
    column.cx = kColumns[index].width;
    SendMessageW(hResultList, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  }
}
