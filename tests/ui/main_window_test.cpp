// The main window's class, frame and command routing.
#include "main_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "resource_ids.h"
#include "ui_test_support.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { hwnd = OpenMainWindow(); }
  void TearDown() override { CloseMainWindow(hwnd); }
  HWND hwnd = nullptr;
};

TEST_F(MainWindow, ClassCarriesProcedureIconCursorAndBrush) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  ASSERT_TRUE(GetClassInfoExW(instance, L"ReaCalcWindow", &wc));
  EXPECT_EQ(wc.style, 0u);
  EXPECT_EQ(wc.lpfnWndProc, &MainWindowProc);
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.cbWndExtra, 0);
  EXPECT_EQ(wc.hInstance, instance);
  // Shared icons and cursors: loading them again gives the same handles.
  EXPECT_EQ(wc.hIcon, LoadIconW(instance, MAKEINTRESOURCEW(IDI_REACALC_WINDOW)));
  EXPECT_NE(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(wc.hbrBackground, GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(wc.lpszMenuName, nullptr);
  EXPECT_EQ(ClassName(hwnd), L"ReaCalcWindow");
}

TEST_F(MainWindow, FixedSizeFrameWithTitleAndMinimiseBox) {
  EXPECT_EQ(WindowText(hwnd), L"Quennix Zizedavuri Vodivodido (WinAPI) Borlathe v2");
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  // The platform adds the caption to an overlapped window by itself.
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME) << "resizable";
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "maximisable";
  EXPECT_FALSE(style & (WS_CHILD | WS_POPUP));
  EXPECT_EQ(GetMenu(hwnd), nullptr);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

  RECT outer;
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 610);
  EXPECT_EQ(outer.bottom - outer.top, 360);
}

TEST_F(MainWindow, OnlyCommandIdOneCalculates) {
  struct Case {
    WPARAM wParam;
    LPARAM lParam;
    size_t rows;  // after the command, from an empty table
  };
  const Case cases[] = {
      {MAKEWPARAM(0, 0), 0, 0},
      {MAKEWPARAM(2, BN_CLICKED), 0, 0},
      {MAKEWPARAM(0xFFFF, 0), 0, 0},
      {MAKEWPARAM(0, 1), 0, 0},              // the high word is no identifier
      {MAKEWPARAM(1, 1), 0, 8},              // an accelerator's notification code
      {MAKEWPARAM(1, EN_CHANGE), 12345, 8},  // neither code nor lParam is looked at
  };
  for (const Case& c : cases) {
    CloseMainWindow(hwnd);
    hwnd = OpenMainWindow();
    SCOPED_TRACE(testing::Message() << "wParam " << std::hex << c.wParam);
    EXPECT_EQ(SendMessageW(hwnd, WM_COMMAND, c.wParam, c.lParam), 0);
    EXPECT_EQ(TableRows().size(), c.rows);
  }
}

}  // namespace
