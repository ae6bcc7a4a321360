// SPDX-License-Identifier: GPL-3.0-or-later
// An edit field changed through the accessibility interfaces changes only as the keyboard could change
// it: never when read-only, never past its limit or against its digits-only style.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "AccessibleDriver.h"
#include "UiTestSupport.h"

namespace {

enum class Op { Replace, Insert, Delete, SetValue };

struct Change {
  const char* name;
  DWORD style;
  Op op;
  const char* text;
  const char* expected;
  int limit = 0;
};
void PrintTo(const Change& row, std::ostream* os) { *os << row.name; }

class ClientChanges : public ::testing::TestWithParam<Change> {};

TEST_P(ClientChanges, GoAsTheKeyboardCould) {
  const Change& row = GetParam();
  CDialog dialog{SmallTemplate({Edit(1200, 5, 5, 80, 12, ES_AUTOHSCROLL | row.style)})};
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  dialog.SetDlgItemText(1200, "12");
  if (row.limit) static_cast<CEdit*>(dialog.GetDlgItem(1200))->LimitText(row.limit);
  auto* edit = Control<QLineEdit>(dialog, 1200);
  QAccessibleInterface* a = accessible::Of(edit);
  ASSERT_NE(a->editableTextInterface(), nullptr);
  EXPECT_EQ(a->state().readOnly, (row.style & ES_READONLY) != 0);

  switch (row.op) {
    case Op::Replace: a->editableTextInterface()->replaceText(0, 2, row.text); break;
    case Op::Insert: a->editableTextInterface()->insertText(1, row.text); break;
    case Op::Delete: a->editableTextInterface()->deleteText(0, 1); break;
    case Op::SetValue: a->setText(QAccessible::Value, row.text); break;
  }

  EXPECT_EQ(edit->text().toStdString(), row.expected);
  EXPECT_EQ(a->text(QAccessible::Value).toStdString(), row.expected);
  dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ClientChanges,
    ::testing::Values(Change{"WritableReplace", 0, Op::Replace, "ab", "ab"},
                      Change{"WritableInsert", 0, Op::Insert, "x", "1x2"},
                      Change{"WritableDelete", 0, Op::Delete, "", "2"},
                      Change{"ReadOnlyReplace", ES_READONLY, Op::Replace, "ab", "12"},
                      Change{"ReadOnlyInsert", ES_READONLY, Op::Insert, "x", "12"},
                      Change{"ReadOnlyDelete", ES_READONLY, Op::Delete, "", "12"},
                      Change{"ReadOnlyValue", ES_READONLY, Op::SetValue, "ab", "12"},
                      Change{"NumberTakesDigits", ES_NUMBER, Op::Insert, "5", "152"},
                      Change{"NumberRefusesLetters", ES_NUMBER, Op::Insert, "a", "12"},
                      Change{"NumberValueRefusesLetters", ES_NUMBER, Op::SetValue, "4a", "12"},
                      Change{"PastTheLimitRefusedWhole", 0, Op::Insert, "345", "12", 4},
                      Change{"WithinTheLimit", 0, Op::Insert, "34", "1342", 4}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
