// Soak: 2,000 clicks on Calculate in the real main window, valid and invalid
// inputs in turn, each error box closed as it opens. At the end the table must
// hold the rows of the last valid inputs, and the process's USER and GDI
// objects and private memory must not have grown with the clicks: a handle or
// allocation lost per click would show as thousands.
#include <windows.h>
// commctrl.h and psapi.h build on the types of windows.h.
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "breakpoint_table.h"
#include "format_row.h"
#include "handles.h"
#include "ui_test_support.h"

namespace {

constexpr int kClicks = 2000;
constexpr int kWarmUpClicks = 20;  // first boxes and first rows load what they cache
// Growth allowed over the whole run: a little for caches filled late, far
// below one object (or 128 bytes) per click.
constexpr long kObjectSlack = 8;
constexpr long long kMemorySlack = 256 << 10;

struct Fields {
  const wchar_t* text[4];
  CalcInputs inputs;  // what the valid ones mean
};

const Fields kValid[] = {
    {{L"0.45", L"3", L"60", L"81"}, {0.45, 3, 60, 81}},
    {{L"0.1", L"3", L"120", L"26"}, {0.1, 3, 120, 26}},
    {{L" .5", L"1", L"\xFF11\xFF12\xFF10", L"250"}, {0.5, 1, 120, 250}},
    {{L"0x1p-3", L"007", L"17", L"100"}, {0.125, 7, 17, 100}},
};
// One bad field each, in every position, so every message box appears.
const Fields kInvalid[] = {
    {{L"0,45", L"3", L"60", L"81"}, {}}, {{L"0.45", L"3.0", L"60", L"81"}, {}},
    {{L"0.45", L"3", L"", L"81"}, {}},   {{L"0.45", L"3", L"60", L"0"}, {}},
    {{L"nan", L"x", L"y", L"z"}, {}},
};

// Wine answers GetGuiResources and PrivateUsage with 0, so two figures it
// does keep stand beside them: the windows of this thread (a lost message box
// or control stays one) and the bytes in use in the process's heaps.
struct Usage {
  long userObjects;
  long gdiObjects;
  long long privateBytes;
  long windows;
  long long heapBytes;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(hwnd, CountWindow, count);
  return TRUE;
}

long long HeapBytesInUse() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  long long bytes = 0;
  for (DWORD k = 0; k < count && k < 64; ++k) {
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(heaps[k]);
    while (HeapWalk(heaps[k], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    }
    HeapUnlock(heaps[k]);
  }
  return bytes;
}

Usage Measure() {
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof memory);
  long windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  return {static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)),
          static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
          static_cast<long long>(memory.PrivateUsage), windows, HeapBytesInUse()};
}

void Print(const char* when, const Usage& u) {
  std::printf(
      "%-7s USER objects %4ld  GDI objects %4ld  private memory %6lld KiB  windows %3ld  "
      "heap in use %6lld KiB\n",
      when, u.userObjects, u.gdiObjects, u.privateBytes / 1024, u.windows, u.heapBytes / 1024);
}

// Lets the window repaint between clicks, as it would for a user.
void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Where the run's time goes, printed for information only.
DWORD validMs = 0;
DWORD invalidMs = 0;

// One click; false when the number of error boxes is not the expected one.

bool Click(HWND hwnd, int i) {
  const bool valid = i % 2 == 0;
  const DWORD start = GetTickCount();
  const Fields& f =
      valid ? kValid[(i / 2) % std::size(kValid)] : kInvalid[(i / 2) % std::size(kInvalid)];
  SetFields(f.text[0], f.text[1], f.text[2], f.text[3]);
  const auto boxes = static_cast<int>(ClickCalculate(hwnd).size());
  Pump();
  (valid ? validMs : invalidMs) += GetTickCount() - start;
  if (boxes == (valid ? 0 : 1)) return true;
  std::printf("click %d: %d error boxes\n", i, boxes);
  return false;
}

Rows ExpectedRows(const CalcInputs& inputs) {
  Rows rows;
  for (const BreakpointRow& r : ComputeBreakpointTable(inputs)) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(r, rea, bps);
    rows.emplace_back(rea, bps);
  }
  return rows;
}

bool WithinBounds(const Usage& before, const Usage& after) {
  return after.userObjects - before.userObjects <= kObjectSlack &&
         after.gdiObjects - before.gdiObjects <= kObjectSlack &&
         after.windows - before.windows <= kObjectSlack &&
         after.privateBytes - before.privateBytes <= kMemorySlack &&
         after.heapBytes - before.heapBytes <= kMemorySlack;
}

}  // namespace

int main() {
  const HWND hwnd = OpenMainWindow();
  if (hwnd == nullptr) {
    std::printf("FAIL: no main window\n");
    return 1;
  }

  bool ok = true;
  for (int i = 0; i < kWarmUpClicks; ++i) ok &= Click(hwnd, i);
  const Usage before = Measure();
  for (int i = 0; i < kClicks / 2; ++i) ok &= Click(hwnd, i);
  const Usage halfway = Measure();
  for (int i = kClicks / 2; i < kClicks; ++i) ok &= Click(hwnd, i);
  const Usage after = Measure();

  // The last click was invalid: the table still shows the click before it.
  const int lastValid = kClicks - 2;
  const CalcInputs& shown = kValid[(lastValid / 2) % std::size(kValid)].inputs;
  const bool rowsRight = TableRows() == ExpectedRows(shown);
  const bool bounded = WithinBounds(before, after);

  std::printf("%d clicks, %d with an error box\n", kClicks, kClicks / 2);
  Print("before", before);
  Print("halfway", halfway);
  Print("after", after);
  std::printf("time in valid clicks %lu ms, in invalid %lu ms\n", validMs, invalidMs);
  std::printf("rows at the end: %s\n", rowsRight ? "right" : "WRONG");
  std::printf("growth within %ld objects and %lld KiB: %s\n", kObjectSlack, kMemorySlack / 1024,
              bounded ? "yes" : "NO");
  CloseMainWindow(hwnd);
  return ok && rowsRight && bounded ? 0 : 1;
}
