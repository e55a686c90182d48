// Calculate with a bad field: one message box naming the first bad field.
#include <gtest/gtest.h>
#include <windows.h>

#include "handles.h"
#include "ui_test_support.h"

namespace {

class ErrorBox : public ::testing::Test {
 protected:
  void SetUp() override { hwnd = OpenMainWindow(); }
  void TearDown() override { CloseMainWindow(hwnd); }
  HWND hwnd = nullptr;
};

std::wstring FieldTexts() {
  return WindowText(hBaseReaEdit) + L"|" + WindowText(hFiringModeEdit) + L"|" +
         WindowText(hFpsEdit) + L"|" + WindowText(hReaEdit);
}

TEST_F(ErrorBox, NamesTheFirstBadFieldAndKeepsTheTable) {
  struct Case {
    const wchar_t* fields[4];  // BaseRea, FiringMode, Fps, Rea
    const wchar_t* message;
  };
  const Case cases[] = {
      {{L"", L"3", L"60", L"81"}, L"Enter valid baseRea > 0"},
      {{L"0.45 ", L"3", L"60", L"81"}, L"Enter valid baseRea > 0"},
      {{L"0.45", L"0", L"60", L"81"}, L"Enter valid firingMode > 0"},
      {{L"0.45", L"3", L"3.0", L"81"}, L"Enter valid FPS > 0"},
      // Shown as plain text: the '%' is no format directive.
      {{L"0.45", L"3", L"60", L"-1"}, L"Enter valid REA % > 0"},
      {{L"x", L"x", L"x", L"x"}, L"Enter valid baseRea > 0"},
      {{L"0.45", L" ", L"", L"0"}, L"Enter valid firingMode > 0"},
      {{L"0.45", L"3", L"+", L"nan"}, L"Enter valid FPS > 0"},
  };
  ASSERT_TRUE(ClickCalculate(hwnd).empty());
  const Rows before = TableRows();
  ASSERT_EQ(before.size(), 8u);

  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.message));
    SetFields(c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
    const std::wstring fields = FieldTexts();
    const std::vector<SeenBox> boxes = ClickCalculate(hwnd);
    ASSERT_EQ(boxes.size(), 1u);
    const SeenBox& box = boxes[0];
    EXPECT_EQ(box.caption, L"Error");
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(box.errorIcon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.mainEnabled) << "a box without owner leaves the window enabled";
    EXPECT_EQ(TableRows(), before);
    EXPECT_EQ(FieldTexts(), fields) << "no field is changed";
  }
}

TEST_F(ErrorBox, CalculateWhileTheBoxIsOpenFillsTheTable) {
  SetFields(L"0,45", nullptr, nullptr, nullptr);
  Rows whileOpen;
  const std::vector<SeenBox> boxes = ClickCalculate(hwnd, [&] {
    SetFields(L"0.45", nullptr, nullptr, nullptr);
    EXPECT_TRUE(ClickCalculate(hwnd).empty());
    whileOpen = TableRows();
  });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Enter valid baseRea > 0");
  EXPECT_EQ(whileOpen.size(), 8u);
  EXPECT_EQ(TableRows(), whileOpen) << "closing the older box changed the table";
}

}  // namespace
