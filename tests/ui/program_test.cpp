// The whole program: wWinMain, run in a process of its own or in this one.
#include <gtest/gtest.h>
#include <windows.h>

#include "main_window.h"
#include "ui_test_support.h"

// The program's entry point (ui/main.cpp), linked in as an ordinary function.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nCmdShow);

namespace {

// reacalc.exe, started from the test's working directory (its build folder).
// Only the process started here is ever stopped, through its own handle.
class Program : public ::testing::Test {
 protected:
  void TearDown() override {
    if (process.hProcess != nullptr) {
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
      }
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }

  void Start() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    wchar_t commandLine[] = L"reacalc.exe";
    ASSERT_TRUE(CreateProcessW(L"reacalc.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << "error " << GetLastError();
  }

  // The visible main window of the started process, waited for up to 20 s.
  HWND FindMainWindow() {
    for (int tries = 0; tries < 200; ++tries) {
      HWND hwnd = nullptr;
      while ((hwnd = FindWindowExW(nullptr, hwnd, kMainWindowClass, nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == process.dwProcessId && IsWindowVisible(hwnd)) {
          return hwnd;
        }
      }
      if (WaitForSingleObject(process.hProcess, 100) != WAIT_TIMEOUT) {
        break;
      }
    }
    return nullptr;
  }

  DWORD WaitForExit() {
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 12345;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

  PROCESS_INFORMATION process = {};
};

TEST_F(Program, ShowsItsWindowWithoutFocusAndExitsWithZeroWhenClosed) {
  struct Close {
    const char* how;
    UINT message;
    WPARAM wParam;
  };
  // WM_CLOSE as from the close box; SC_CLOSE as from the system menu or Alt+F4.
  const Close closes[] = {{"WM_CLOSE", WM_CLOSE, 0}, {"SC_CLOSE", WM_SYSCOMMAND, SC_CLOSE}};
  for (const Close& close : closes) {
    SCOPED_TRACE(close.how);
    TearDown();
    process = {};
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND hwnd = FindMainWindow();
    ASSERT_NE(hwnd, nullptr) << "no window";
    EXPECT_EQ(WindowText(hwnd), kMainWindowTitle);

    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &gui));
    EXPECT_FALSE(gui.hwndFocus != nullptr && IsChild(hwnd, gui.hwndFocus))
        << "a control has the focus";

    PostMessageW(hwnd, close.message, close.wParam, 0);
    EXPECT_EQ(WaitForExit(), 0u);
  }
}

// The platform's CBT hook refuses the main window's creation, as a failed
// class registration or an exhausted desktop heap would.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && ClassName(reinterpret_cast<HWND>(wParam)) == kMainWindowClass) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool loopRan = false;
void CALLBACK EndLoop(HWND, UINT, UINT_PTR, DWORD) {
  loopRan = true;
  PostQuitMessage(0);
}

TEST(ProgramEntry, FailedWindowCreationReturnsZeroAtOnce) {
  const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  // Should the entry point go on into its message loop, this ends it.
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, EndLoop);
  wchar_t commandLine[] = L"";
  const int code = wWinMain(GetModuleHandleW(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(hook);

  EXPECT_EQ(code, 0);
  EXPECT_FALSE(loopRan) << "the message loop ran without a window";
  EXPECT_EQ(FindWindowW(kMainWindowClass, nullptr), nullptr);
}

}  // namespace
