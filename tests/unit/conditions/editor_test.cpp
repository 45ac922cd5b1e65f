#include <gtest/gtest.h>

#include "condition_test_util.h"
#include "reco/condition_editor.h"

namespace tw {
namespace {

RecoRecord NewRecord() {
  RecoRecord r;
  r.SetName("?");
  r.category = 1;
  return r;
}

TEST(ConditionEditor, OpensWithOkDisabledAndMixedNodesExpanded) {
  RecoRecord r = NewRecord();
  r.monthCond = 0x555955;
  r.colorIndex = 2;
  r.styleIndex = 3;
  ConditionEditor ed(r);
  EXPECT_FALSE(ed.okEnabled());
  EXPECT_TRUE(ed.focusName());
  EXPECT_EQ(ed.colorIndex(), 2);
  EXPECT_EQ(ed.styleIndex(), 3);
  EXPECT_TRUE(ed.ExpandOnOpen(kCondMonthCategory));
  EXPECT_FALSE(ed.ExpandOnOpen(kCondWeekdayCategory));
  EXPECT_FALSE(ed.ExpandOnOpen(kMonth0)) << "leaves have nothing to expand";
  r.SetName("Bohnen");
  EXPECT_FALSE(ConditionEditor(r).focusName());
}

TEST(ConditionEditor, OkFollowsChangesAndAnEmptyName) {
  ConditionEditor ed(NewRecord());
  EXPECT_FALSE(ed.Click(kCondRootEntry));
  EXPECT_FALSE(ed.ChooseFixedDay(kCondFirstFixedDay, -1)) << "cancelled picker";
  ed.ChooseColour(0);
  EXPECT_FALSE(ed.okEnabled()) << "nothing changed yet";
  EXPECT_TRUE(ed.Click(kMonth0));
  EXPECT_TRUE(ed.okEnabled());
  ed.NameFocusLost("");
  EXPECT_FALSE(ed.okEnabled());
  ed.NameEdited();
  EXPECT_TRUE(ed.okEnabled());
  ed.NameFocusLost("Erbsen");
  EXPECT_TRUE(ed.okEnabled());
}

TEST(ConditionEditor, PaintingRecomputesOnRelease) {
  ConditionEditor ed(NewRecord());
  for (int d = 0; d < 3; ++d) ed.Paint(kWeekday0 + d, kCondExcluded, false);
  EXPECT_EQ(ed.state().State(kCondWeekdayCategory), 0) << "not before the release";
  ed.EndPaint();
  EXPECT_EQ(ed.state().State(kCondWeekdayCategory), kCondMixed);
  EXPECT_TRUE(ed.okEnabled());
}

TEST(ConditionEditor, OkWritesTheRecordOrStaysOpen) {
  RecoRecord r = NewRecord();
  ConditionEditor ed(r);
  ed.Click(kMonth0 + 5);
  ed.ChooseStyle(1);
  ed.ChooseColour(3);
  ed.ChooseFixedDay(kCondFirstFixedDay, 2412);
  FakeConditionTexts texts;
  RecordingSink sink;
  EXPECT_EQ(ed.Ok(r, "Bohnen legen", sink, texts), 2);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(r.monthCond, 0x555955u);
  EXPECT_EQ(r.fixedDays[0], 2412);
  EXPECT_EQ(r.styleIndex, 1);
  EXPECT_EQ(r.colorIndex, 3);
  EXPECT_STREQ(r.name, "Bohnen legen");

  ConditionEditor again(r);
  again.Click(kCondWeekdayCategory);
  again.Click(kCondWeekdayCategory);  // every weekday excluded
  sink.answer = kAnswerCancel;
  RecoRecord before = r;
  EXPECT_EQ(again.Ok(r, "Bohnen legen", sink, texts), ConditionEditor::kStayOpen);
  EXPECT_EQ(r.weekdayCond, before.weekdayCond);
  EXPECT_EQ(again.state().State(kCondWeekdayCategory), kCondExcluded) << "edits kept";
  sink.answer = kAnswerOk;
  EXPECT_EQ(again.Ok(r, "Bohnen legen", sink, texts), 1);
  EXPECT_EQ(r.weekdayCond, 0u);
  EXPECT_EQ(sink.entries.size(), 2u);
}

}  // namespace
}  // namespace tw
