// Soak: 160 clicks on Calculate in the real main window, valid and invalid
// inputs in turn, each error box closed as it opens. At the end the table must
// hold the rows of the last valid inputs, and the process's USER and GDI
// objects and memory must not have grown with the clicks: a handle lost per
// click would show as 160, 128 bytes lost per click as 20 KiB.
#include <windows.h>
// commctrl.h, psapi.h and winternl.h build on the types of windows.h.
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "breakpoint_table.h"
#include "format_row.h"
#include "handles.h"
#include "ui_test_support.h"

namespace {

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

// Every kCycle clicks the fields, the table and the heap are back where they
// were (the heap swings by some 16 KiB within a cycle), so figures are taken a
// whole number of cycles apart. The warm-up is one cycle: the first boxes and
// the first rows load what they cache.
constexpr int kCycle = 2 * static_cast<int>(std::lcm(std::size(kValid), std::size(kInvalid)));
constexpr int kWarmUpClicks = kCycle;
constexpr int kClicks = 4 * kCycle;
static_assert(kClicks % (2 * kCycle) == 0, "halfway is a whole cycle too");
// Growth allowed over the run, far below one object or 128 bytes per click.
// Wine's own MessageBox keeps 24 bytes per box: 1,920 bytes here.
constexpr long kObjectSlack = 4;
constexpr long long kHeapSlack = 8 << 10;
// Committed memory moves by whole pages and heap segments: a coarser bound.
constexpr long long kPrivateSlack = 256 << 10;

// Wine answers GetGuiResources and PrivateUsage with 0, so the soak counts
// what Wine keeps in the process instead, and adds two figures of its own:
// the windows of this thread (a lost message box or control stays one) and
// the bytes in use in the process's heaps.
struct Usage {
  long userObjects;
  long gdiObjects;
  long long privateBytes;
  long windows;
  long long heapBytes;
};

// Wine keeps its GDI handle table where Windows does, at the PEB's
// GdiSharedHandleTable; Wine's is this process's own, one entry per index,
// with a type of 0 while the index is free. x64 layout.
struct GdiHandleEntry {
  UINT64 object;
  ULONG owner;
  USHORT unique;
  BYTE type;
  BYTE flags;
  UINT64 user;
};
static_assert(sizeof(GdiHandleEntry) == 24 && sizeof(void*) == 8, "x64 PEB and table");
constexpr size_t kPebGdiHandleTable = 0xF8;
constexpr int kGdiHandles = 0x10000;

long GdiObjectsInTable() {
  PROCESS_BASIC_INFORMATION process = {};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process,
                            nullptr);
  const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
  const GdiHandleEntry* table =
      peb != nullptr ? *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiHandleTable)
                     : nullptr;
  long live = 0;
  for (int k = 0; table != nullptr && k < kGdiHandles; ++k) live += table[k].type != 0;
  return live;
}

// Wine's USER objects sit in a table out of reach, but a handle is 0x20 + 2 *
// its slot, and one with a high word of 0 names its slot whatever the
// generation; only this process's objects answer. So every slot is asked
// whether it holds a menu, an accelerator table or an icon or cursor. Hooks
// and deferred window positions have no such question and go unseen; windows
// are counted apart.
constexpr int kUserSlots = (0xFFF0 - 0x20) / 2;

long UserObjectsInTable() {
  long live = 0;
  for (int slot = 0; slot < kUserSlots; ++slot) {
    const auto handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x20 + 2 * slot));
    ICONINFO icon;
    if (IsMenu(static_cast<HMENU>(handle)) ||
        CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0) {
      ++live;
    } else if (GetIconInfo(static_cast<HICON>(handle), &icon)) {
      // The answer comes with copies of the icon's bitmaps.
      DeleteObject(icon.hbmColor);
      DeleteObject(icon.hbmMask);
      ++live;
    }
  }
  return live;
}

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

// Windows' own counts where it gives them (the tables' layout is not
// Windows' promise); Wine's tables where it answers 0.
Usage Measure() {
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof memory);
  long windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  const auto user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  const auto gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  // USER first: its icon question makes (and deletes) bitmaps.
  const long userObjects = user != 0 ? user : UserObjectsInTable();
  const long gdiObjects = gdi != 0 ? gdi : GdiObjectsInTable();
  return {userObjects, gdiObjects, static_cast<long long>(memory.PrivateUsage), windows,
          HeapBytesInUse()};
}

void Print(const char* when, const Usage& u) {
  std::printf(
      "%-7s USER objects %4ld  GDI objects %4ld  private memory %6lld KiB  windows %3ld  "
      "heap in use %7lld bytes\n",
      when, u.userObjects, u.gdiObjects, u.privateBytes / 1024, u.windows, u.heapBytes);
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
         after.privateBytes - before.privateBytes <= kPrivateSlack &&
         after.heapBytes - before.heapBytes <= kHeapSlack;
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
  // A live window always holds some: 0 means nothing answered and the soak is
  // blind to them, not clean.
  const bool counted = before.userObjects > 0 && before.gdiObjects > 0;

  std::printf("%d clicks after %d to warm up, %d with an error box\n", kClicks, kWarmUpClicks,
              kClicks / 2);
  Print("before", before);
  Print("halfway", halfway);
  Print("after", after);
  std::printf("time in valid clicks %lu ms, in invalid %lu ms\n", validMs, invalidMs);
  std::printf("rows at the end: %s\n", rowsRight ? "right" : "WRONG");
  std::printf("USER and GDI objects counted: %s\n", counted ? "yes" : "NO");
  std::printf("growth within %ld objects, %lld bytes of heap and %lld KiB committed: %s\n",
              kObjectSlack, kHeapSlack, kPrivateSlack / 1024, bounded ? "yes" : "NO");
  CloseMainWindow(hwnd);
  return ok && rowsRight && counted && bounded ? 0 : 1;
}
