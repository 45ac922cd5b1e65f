#include <gtest/gtest.h>

#include <memory>

#include "doc/day_mark.h"
#include "doc/person_file.h"

namespace tw {
namespace {

TEST(MarkCommands, FlagsAndSymbolChangeOnlyWhatTheyName) {
  EXPECT_EQ(ApplyMarkCommand(0, kMarkSetRed), kMarkRed);
  EXPECT_EQ(ApplyMarkCommand(kMarkRed | kMarkYellow | 3, kMarkClearRed), kMarkYellow | 3);
  EXPECT_EQ(ApplyMarkCommand(2, kMarkSetYellow), kMarkYellow | 2);
  EXPECT_EQ(ApplyMarkCommand(kMarkYellow, kMarkClearYellow), 0);
  // Set wins over clear when both bits of a flag are present.
  EXPECT_EQ(ApplyMarkCommand(0, kMarkSetRed | kMarkClearRed), kMarkRed);
  EXPECT_EQ(ApplyMarkCommand(kMarkRed | kMarkYellow | 1, 3), kMarkRed | kMarkYellow | 3);
  EXPECT_EQ(ApplyMarkCommand(kMarkRed | 2, 0), kMarkRed);
  EXPECT_EQ(ApplyMarkCommand(kMarkRed | 2, kMarkNoChange), kMarkRed | 2);
  // Stray high bits of a stored byte do not survive a change.
  EXPECT_EQ(ApplyMarkCommand(0xF1, 2), 2);
}

TEST(MarkCommands, PopupSendsFlagsThenSymbol) {
  PopupMarkCommands c = PopupCommands(true, false, 2);
  EXPECT_EQ(c.flags, kMarkSetRed | kMarkClearYellow);
  EXPECT_EQ(c.symbol, 2);
  DayMark m = kMarkYellow | 1;
  m = ApplyMarkCommand(ApplyMarkCommand(m, c.flags), c.symbol);
  EXPECT_EQ(m, kMarkRed | 2);
  c = PopupCommands(false, true, 0);
  EXPECT_EQ(ApplyMarkCommand(ApplyMarkCommand(kMarkRed | 3, c.flags), c.symbol), kMarkYellow);
}

TEST(MarkCommands, PopupOpensLeftOfTheClickNearTheRightEdge) {
  int x, y;
  PopupPosition(100, 300, 120, 200, 1024, &x, &y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 200);
  PopupPosition(950, 300, 120, 200, 1024, &x, &y);
  EXPECT_EQ(x, 830);
  PopupPosition(904, 300, 120, 200, 1024, &x, &y);  // exactly fits
  EXPECT_EQ(x, 904);
}

TEST(DragMarking, ClicksStepTheSymbol) {
  DayMark m = 0;
  const DayMark expected[] = {1, 2, 3, 0};
  for (DayMark e : expected) {
    m = ApplyMarkCommand(m, DragMarkCommand(m, false, false));
    EXPECT_EQ(m, e);
  }
  // Flags stay while the symbol steps.
  m = kMarkRed | 3;
  EXPECT_EQ(ApplyMarkCommand(m, DragMarkCommand(m, false, false)), kMarkRed);
}

TEST(DragMarking, CommandIsFixedByTheFirstDay) {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{2001, 1, 1}, DocumentDefaults{});
  const DayNumber start = doc->header.NotesStart();
  SetDayEntryFor(*doc, start + 0, kMarkSetYellow, nullptr);
  SetDayEntryFor(*doc, start + 2, kMarkSetYellow, nullptr);
  SetDayEntryFor(*doc, start + 2, kMarkSetRed, nullptr);
  // Shift-drag starting on a yellow day clears yellow everywhere it passes.
  const int cmd = DragMarkCommand(GetDayMarkOf(*doc, start), true, false);
  EXPECT_EQ(cmd, kMarkClearYellow);
  for (int i = 0; i < 4; ++i) SetDayEntryFor(*doc, start + i, cmd, nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(GetDayMarkOf(*doc, start + i) & kMarkYellow, 0) << i;
  EXPECT_EQ(GetDayMarkOf(*doc, start + 2), kMarkRed);

  EXPECT_EQ(DragMarkCommand(0, true, false), kMarkSetYellow);
  EXPECT_EQ(DragMarkCommand(kMarkRed, false, true), kMarkClearRed);
  EXPECT_EQ(DragMarkCommand(0, false, true), kMarkSetRed);
  EXPECT_EQ(DragMarkCommand(kMarkYellow, true, true), kMarkClearYellow | kMarkSetRed);
}

}  // namespace
}  // namespace tw
