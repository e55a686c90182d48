#include "child_window.h"

// commctrl.h and psapi.h build on the types of windows.h.
#include <commctrl.h>
#include <psapi.h>

#include <string>

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;

HWND FindChildWindow(const ChildWindow& child, const wchar_t* className) {
  HWND hwnd = nullptr;
  while ((hwnd = FindWindowExW(nullptr, hwnd, className, nullptr)) != nullptr) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == child.process.dwProcessId && IsWindowVisible(hwnd)) return hwnd;
  }
  return nullptr;
}

}  // namespace

bool StartAndWaitForWindow(const wchar_t* exePath, const wchar_t* className, ChildWindow& child) {
  child = ChildWindow{};
  std::wstring commandLine = L"\"" + std::wstring(exePath) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exePath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &child.process)) {
    return false;
  }
  const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
  while ((child.hwnd = FindChildWindow(child, className)) == nullptr) {
    // The wait doubles as the polling pause: about a millisecond.
    if (WaitForSingleObject(child.process.hProcess, 1) == WAIT_OBJECT_0) return false;
    if (GetTickCount64() > deadline) return false;
  }
  child.list = FindWindowExW(child.hwnd, nullptr, WC_LISTVIEWW, nullptr);
  return child.list != nullptr;
}

bool RunCommandOne(const ChildWindow& child, int rows) {
  if (HWND button = GetDlgItem(child.hwnd, 1)) {
    SendMessageW(button, BM_CLICK, 0, 0);
  } else {
    SendMessageW(child.hwnd, WM_COMMAND, 1, 0);
  }
  // The command runs inside the sent message, so the rows are normally there
  // already; the loop only guards against a program that fills them later.
  const ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
  while (SendMessageW(child.list, LVM_GETITEMCOUNT, 0, 0) != rows) {
    if (GetTickCount64() > deadline) return false;
    Sleep(0);
  }
  return true;
}

SIZE_T PeakWorkingSet(const ChildWindow& child) {
  PROCESS_MEMORY_COUNTERS counters = {};
  if (!GetProcessMemoryInfo(child.process.hProcess, &counters, sizeof counters)) return 0;
  return counters.PeakWorkingSetSize;
}

void CloseChild(ChildWindow& child) {
  if (child.hwnd != nullptr) PostMessageW(child.hwnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.process.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(child.process.hProcess, 1);
    WaitForSingleObject(child.process.hProcess, kStepTimeoutMs);
  }
  CloseHandle(child.process.hThread);
  CloseHandle(child.process.hProcess);
  child = ChildWindow{};
}
