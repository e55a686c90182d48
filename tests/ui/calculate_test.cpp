// Calculate with valid fields: the rows, the column widths, repeated runs.
#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "handles.h"
#include "ui_test_support.h"

// While set, every ::operator new of this process fails: the one allocation
// of a calculation is its row list.
static bool failAllocations = false;

void* operator new(std::size_t size) {
  if (!failAllocations) {
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
      return p;
    }
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const Rows kDefaultRows = {{L"0", L"6.667"},   {L"12", L"7.500"},  {L"23", L"8.571"},
                           {L"34", L"10.000"}, {L"45", L"12.000"}, {L"56", L"15.000"},
                           {L"67", L"20.000"}, {L"78", L"30.000"}};

class Calculate : public ::testing::Test {
 protected:
  void SetUp() override { hwnd = OpenMainWindow(); }
  void TearDown() override { CloseMainWindow(hwnd); }
  HWND hwnd = nullptr;
};

int ColumnWidth(int index) {
  return static_cast<int>(SendMessageW(hResultList, LVM_GETCOLUMNWIDTH, index, 0));
}

TEST_F(Calculate, DefaultsGiveEightRows) {
  ASSERT_TRUE(ClickCalculate(hwnd).empty());
  EXPECT_EQ(TableRows(), kDefaultRows);
}

TEST_F(Calculate, ReaColumnFitsAndBpsColumnReachesTheRightEdge) {
  ASSERT_TRUE(ClickCalculate(hwnd).empty());
  const int rea = ColumnWidth(0);
  const int bps = ColumnWidth(1);

  // What the platform's own rule gives for these rows, starting from the
  // initial widths (Wine's rule differs from Windows', so no fixed pixels).
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 0, 100);
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 1, 150);
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
  EXPECT_EQ(rea, ColumnWidth(0));
  EXPECT_EQ(bps, ColumnWidth(1));

  RECT client;
  GetClientRect(hResultList, &client);
  EXPECT_EQ(rea + bps, client.right) << "REA " << rea << ", BPS " << bps;
}

TEST_F(Calculate, RowsAreReplacedNotAppended) {
  struct Step {
    const wchar_t* rea;
    size_t rows;
  };
  // 250 scans every percentage up to 99 and adds the one-frame row at 89.
  const Step steps[] = {{L"81", 8}, {L"81", 8}, {L"250", 9}, {L"1", 1}, {L"81", 8}};
  for (const Step& step : steps) {
    SetFields(nullptr, nullptr, nullptr, step.rea);
    ASSERT_TRUE(ClickCalculate(hwnd).empty());
    const Rows rows = TableRows();
    ASSERT_EQ(rows.size(), step.rows) << "Rea " << testing::PrintToString(step.rea);
    EXPECT_EQ(rows.front(), kDefaultRows.front());
  }
  EXPECT_EQ(TableRows(), kDefaultRows);
}

TEST_F(Calculate, FieldTextIsReadUpTo63Characters) {
  // 63 characters of a valid number, then one that is never read.
  std::wstring text = L"0.45";
  text.resize(63, L'0');
  SetFields((text + L"x").c_str(), nullptr, nullptr, nullptr);
  ASSERT_EQ(WindowText(hBaseReaEdit).size(), 64u) << "the field cut the text itself";
  ASSERT_TRUE(ClickCalculate(hwnd).empty());
  EXPECT_EQ(TableRows(), kDefaultRows);
}

TEST_F(Calculate, OutOfMemoryLeavesTheTableAsItWas) {
  ASSERT_TRUE(ClickCalculate(hwnd).empty());
  SetFields(nullptr, nullptr, nullptr, L"1");
  failAllocations = true;
  const bool quiet = ClickCalculate(hwnd).empty();
  failAllocations = false;
  EXPECT_TRUE(quiet) << "a message box";
  EXPECT_EQ(TableRows(), kDefaultRows);
}

}  // namespace
