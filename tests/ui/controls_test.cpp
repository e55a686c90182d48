// The child controls as created, before any Calculate.
#include "controls.h"

#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "handles.h"
#include "ui_test_support.h"

namespace {

class Controls : public ::testing::Test {
 protected:
  void SetUp() override { hwnd = OpenMainWindow(); }
  void TearDown() override { CloseMainWindow(hwnd); }
  HWND hwnd = nullptr;
};

struct ExpectedChild {
  const wchar_t* className;  // as the platform reports it
  const wchar_t* text;
  LONG style;  // as the platform reports it (an edit keeps WS_BORDER apart)
  RECT rect;   // client coordinates: left, top, right, bottom
  int id;
  const HWND* handle;  // where the program keeps it, if anywhere
};

TEST_F(Controls, TenChildrenInCreationOrder) {
  const LONG label = WS_CHILD | WS_VISIBLE;
  // Left-aligned, no tab stop, no ES_AUTOHSCROLL.
  const LONG field = WS_CHILD | WS_VISIBLE;
  const LONG button = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
  const LONG list = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL;
  const ExpectedChild expected[] = {
      {L"Static", L"BaseRea:", label, {10, 10, 90, 30}, 0, nullptr},
      {L"Edit", L"0.45", field, {100, 10, 180, 30}, 0, &hBaseReaEdit},
      {L"Static", L"FiringMode:", label, {10, 40, 90, 60}, 0, nullptr},
      {L"Edit", L"3", field, {100, 40, 180, 60}, 0, &hFiringModeEdit},
      {L"Static", L"Fps:", label, {10, 70, 90, 90}, 0, nullptr},
      {L"Edit", L"60", field, {100, 70, 180, 90}, 0, &hFpsEdit},
      {L"Static", L"Rea:", label, {10, 100, 90, 120}, 0, nullptr},
      {L"Edit", L"81", field, {100, 100, 180, 120}, 0, &hReaEdit},
      {L"Button", L"Calculate", button, {10, 130, 180, 155}, IDC_CALCULATE, nullptr},
      {L"SysListView32", L"", list, {200, 10, 580, 310}, 0, &hResultList},
  };

  HWND child = GetWindow(hwnd, GW_CHILD);
  for (const ExpectedChild& e : expected) {
    SCOPED_TRACE(testing::Message() << "child " << testing::PrintToString(e.text));
    ASSERT_NE(child, nullptr) << "too few children";
    EXPECT_EQ(ClassName(child), e.className);
    EXPECT_EQ(WindowText(child), e.text);
    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE), e.style);
    EXPECT_EQ(GetWindowLongW(child, GWL_EXSTYLE), 0);
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.rect.left);
    EXPECT_EQ(rect.top, e.rect.top);
    EXPECT_EQ(rect.right, e.rect.right);
    EXPECT_EQ(rect.bottom, e.rect.bottom);
    EXPECT_EQ(GetDlgCtrlID(child), e.id);
    if (e.handle != nullptr) {
      EXPECT_EQ(*e.handle, child);
    }
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "more than ten children";
}

// An edit control takes WS_BORDER out of its window style and draws the border
// itself, inside its text margins: compare the text rectangle with that of
// fresh edits of the same size with and without a border.
TEST_F(Controls, FieldsHaveABorder) {
  auto textRect = [](HWND edit) {
    RECT rect = {};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return std::make_tuple(rect.left, rect.top, rect.right, rect.bottom);
  };
  auto referenceRect = [&](DWORD style) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | style, 0, 200, 80, 20, hwnd, nullptr,
                                nullptr, nullptr);
    const auto rect = textRect(edit);
    DestroyWindow(edit);
    return rect;
  };
  const auto bordered = referenceRect(WS_BORDER);
  ASSERT_NE(bordered, referenceRect(0));
  for (HWND field : {hBaseReaEdit, hFiringModeEdit, hFpsEdit, hReaEdit}) {
    EXPECT_EQ(textRect(field), bordered) << WindowText(field).c_str();
  }
}

TEST_F(Controls, TableStartsEmptyWithTwoColumns) {
  EXPECT_EQ(SendMessageW(hResultList, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(hResultList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
            LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const HWND header = reinterpret_cast<HWND>(SendMessageW(hResultList, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);

  struct Column {
    const wchar_t* header;
    int width;
  };
  const Column expected[] = {{L"REA", 100}, {L"BPS", 150}};
  for (int index = 0; index < 2; ++index) {
    wchar_t text[32] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = 32;
    ASSERT_TRUE(
        SendMessageW(hResultList, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(text, expected[index].header);
    EXPECT_EQ(column.cx, expected[index].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
}

}  // namespace
