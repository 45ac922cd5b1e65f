#include "reco/condition_catalogue.h"

namespace tw {

// Field slots follow the record: slot k of a condition field is bits 2k..2k+1. The moon
// phase field is 64 bits; its second half (slots 16..31) is addressed from byte 4.
const ConditionEntry kConditionCatalogue[kCondEntryCount + 1] = {
    {kCondRoot | kCondHasChildren, 3520, 0, 0},  // 0 root
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3522, kOffPhaseCond, 0},  // 1 phase
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3523, kOffPhaseCond, 0},  // 2 phase slot 0
    {kCondCategoryChild | kCondHasChildren | kCondWide, 3524, kOffPhaseCond, 0},  // 3 phase subgroup 1..13
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3551, kOffPhaseCond, 2},  // 4 phase slot 1
    {kCondSubgroupLeaf | kCondWide, 3552, kOffPhaseCond, 4},  // 5 phase slot 2
    {kCondSubgroupLeaf | kCondWide, 3553, kOffPhaseCond, 6},  // 6 phase slot 3
    {kCondSubgroupLeaf | kCondWide, 3554, kOffPhaseCond, 8},  // 7 phase slot 4
    {kCondSubgroupLeaf | kCondWide, 3555, kOffPhaseCond, 10},  // 8 phase slot 5
    {kCondSubgroupLeaf | kCondWide, 3556, kOffPhaseCond, 12},  // 9 phase slot 6
    {kCondSubgroupLeaf | kCondWide, 3557, kOffPhaseCond, 14},  // 10 phase slot 7
    {kCondSubgroupLeaf | kCondWide, 3529, kOffPhaseCond, 16},  // 11 phase slot 8
    {kCondSubgroupLeaf | kCondWide, 3530, kOffPhaseCond, 18},  // 12 phase slot 9
    {kCondSubgroupLeaf | kCondWide, 3531, kOffPhaseCond, 20},  // 13 phase slot 10
    {kCondSubgroupLeaf | kCondWide, 3532, kOffPhaseCond, 22},  // 14 phase slot 11
    {kCondSubgroupLeaf | kCondWide, 3533, kOffPhaseCond, 24},  // 15 phase slot 12
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondWide, 3534, kOffPhaseCond, 26},  // 16 phase slot 13
    {kCondCategoryChild | kCondWide, 3525, kOffPhaseCondHigh, 0},  // 17 phase slot 16
    {kCondCategoryChild | kCondHasChildren | kCondSecondSubgroup | kCondWide, 3526, kOffPhaseCondHigh, 0},  // 18 phase subgroup 17..29
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3535, kOffPhaseCondHigh, 2},  // 19 phase slot 17
    {kCondSubgroupLeaf | kCondWide, 3536, kOffPhaseCondHigh, 4},  // 20 phase slot 18
    {kCondSubgroupLeaf | kCondWide, 3537, kOffPhaseCondHigh, 6},  // 21 phase slot 19
    {kCondSubgroupLeaf | kCondWide, 3538, kOffPhaseCondHigh, 8},  // 22 phase slot 20
    {kCondSubgroupLeaf | kCondWide, 3539, kOffPhaseCondHigh, 10},  // 23 phase slot 21
    {kCondSubgroupLeaf | kCondWide, 3540, kOffPhaseCondHigh, 12},  // 24 phase slot 22
    {kCondSubgroupLeaf | kCondWide, 3541, kOffPhaseCondHigh, 14},  // 25 phase slot 23
    {kCondSubgroupLeaf | kCondWide, 3545, kOffPhaseCondHigh, 16},  // 26 phase slot 24
    {kCondSubgroupLeaf | kCondWide, 3546, kOffPhaseCondHigh, 18},  // 27 phase slot 25
    {kCondSubgroupLeaf | kCondWide, 3547, kOffPhaseCondHigh, 20},  // 28 phase slot 26
    {kCondSubgroupLeaf | kCondWide, 3548, kOffPhaseCondHigh, 22},  // 29 phase slot 27
    {kCondSubgroupLeaf | kCondWide, 3549, kOffPhaseCondHigh, 24},  // 30 phase slot 28
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3550, kOffPhaseCondHigh, 26},  // 31 phase slot 29
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3558, kOffHeightCond, 0},  // 32 height
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3561, kOffHeightCond, 0},  // 33 height slot 0
    {kCondCategoryChild | kCondHasChildren | kCondWide, 3562, kOffHeightCond, 0},  // 34 height subgroup 1..7
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3568, kOffHeightCond, 2},  // 35 height slot 1
    {kCondSubgroupLeaf | kCondWide, 3569, kOffHeightCond, 4},  // 36 height slot 2
    {kCondSubgroupLeaf | kCondWide, 3570, kOffHeightCond, 6},  // 37 height slot 3
    {kCondSubgroupLeaf | kCondWide, 3562, kOffHeightCond, 8},  // 38 height slot 4
    {kCondSubgroupLeaf | kCondWide, 3571, kOffHeightCond, 10},  // 39 height slot 5
    {kCondSubgroupLeaf | kCondWide, 3572, kOffHeightCond, 12},  // 40 height slot 6
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondWide, 3573, kOffHeightCond, 14},  // 41 height slot 7
    {kCondCategoryChild | kCondWide, 3563, kOffHeightCond, 16},  // 42 height slot 8
    {kCondCategoryChild | kCondHasChildren | kCondSecondSubgroup | kCondWide, 3564, kOffHeightCond, 0},  // 43 height subgroup 9..15
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3574, kOffHeightCond, 18},  // 44 height slot 9
    {kCondSubgroupLeaf | kCondWide, 3575, kOffHeightCond, 20},  // 45 height slot 10
    {kCondSubgroupLeaf | kCondWide, 3576, kOffHeightCond, 22},  // 46 height slot 11
    {kCondSubgroupLeaf | kCondWide, 3564, kOffHeightCond, 24},  // 47 height slot 12
    {kCondSubgroupLeaf | kCondWide, 3565, kOffHeightCond, 26},  // 48 height slot 13
    {kCondSubgroupLeaf | kCondWide, 3566, kOffHeightCond, 28},  // 49 height slot 14
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3567, kOffHeightCond, 30},  // 50 height slot 15
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3577, kOffDistanceCond, 0},  // 51 distance
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3578, kOffDistanceCond, 0},  // 52 distance slot 0
    {kCondCategoryChild | kCondHasChildren | kCondWide, 3579, kOffDistanceCond, 0},  // 53 distance subgroup 1..7
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3586, kOffDistanceCond, 2},  // 54 distance slot 1
    {kCondSubgroupLeaf | kCondWide, 3587, kOffDistanceCond, 4},  // 55 distance slot 2
    {kCondSubgroupLeaf | kCondWide, 3588, kOffDistanceCond, 6},  // 56 distance slot 3
    {kCondSubgroupLeaf | kCondWide, 3579, kOffDistanceCond, 8},  // 57 distance slot 4
    {kCondSubgroupLeaf | kCondWide, 3589, kOffDistanceCond, 10},  // 58 distance slot 5
    {kCondSubgroupLeaf | kCondWide, 3590, kOffDistanceCond, 12},  // 59 distance slot 6
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondWide, 3591, kOffDistanceCond, 14},  // 60 distance slot 7
    {kCondCategoryChild | kCondWide, 3580, kOffDistanceCond, 16},  // 61 distance slot 8
    {kCondCategoryChild | kCondHasChildren | kCondSecondSubgroup | kCondWide, 3581, kOffDistanceCond, 0},  // 62 distance subgroup 9..15
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3592, kOffDistanceCond, 18},  // 63 distance slot 9
    {kCondSubgroupLeaf | kCondWide, 3593, kOffDistanceCond, 20},  // 64 distance slot 10
    {kCondSubgroupLeaf | kCondWide, 3594, kOffDistanceCond, 22},  // 65 distance slot 11
    {kCondSubgroupLeaf | kCondWide, 3581, kOffDistanceCond, 24},  // 66 distance slot 12
    {kCondSubgroupLeaf | kCondWide, 3583, kOffDistanceCond, 26},  // 67 distance slot 13
    {kCondSubgroupLeaf | kCondWide, 3584, kOffDistanceCond, 28},  // 68 distance slot 14
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3585, kOffDistanceCond, 30},  // 69 distance slot 15
    {kCondCategory | kCondHasChildren | kCondWide, 3610, kOffMoonSignCond, 0},  // 70 signs
    {kCondCategoryChild | kCondHasChildren | kCondExcludeFirst | kCondWide, 3611, kOffMoonSignCond, 0},  // 71 moon sign subgroup
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3615, kOffMoonSignCond, 0},  // 72 moon sign 0
    {kCondSubgroupLeaf | kCondWide, 3616, kOffMoonSignCond, 2},  // 73 moon sign 1
    {kCondSubgroupLeaf | kCondWide, 3617, kOffMoonSignCond, 4},  // 74 moon sign 2
    {kCondSubgroupLeaf | kCondWide, 3618, kOffMoonSignCond, 6},  // 75 moon sign 3
    {kCondSubgroupLeaf | kCondWide, 3619, kOffMoonSignCond, 8},  // 76 moon sign 4
    {kCondSubgroupLeaf | kCondWide, 3620, kOffMoonSignCond, 10},  // 77 moon sign 5
    {kCondSubgroupLeaf | kCondWide, 3621, kOffMoonSignCond, 12},  // 78 moon sign 6
    {kCondSubgroupLeaf | kCondWide, 3622, kOffMoonSignCond, 14},  // 79 moon sign 7
    {kCondSubgroupLeaf | kCondWide, 3623, kOffMoonSignCond, 16},  // 80 moon sign 8
    {kCondSubgroupLeaf | kCondWide, 3624, kOffMoonSignCond, 18},  // 81 moon sign 9
    {kCondSubgroupLeaf | kCondWide, 3625, kOffMoonSignCond, 20},  // 82 moon sign 10
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondWide, 3626, kOffMoonSignCond, 22},  // 83 moon sign 11
    {kCondCategoryChild | kCondNoImage | kCondSwitch, 3612, kOffSignsEither, 0},  // 84 sign switch
    {kCondCategoryChild | kCondHasChildren | kCondExcludeFirst | kCondSecondSubgroup | kCondWide, 3614, kOffSunSignCond, 0},  // 85 sun sign subgroup
    {kCondSubgroupLeaf | kCondFirstSubgroupLeaf | kCondWide, 3615, kOffSunSignCond, 0},  // 86 sun sign 0
    {kCondSubgroupLeaf | kCondWide, 3616, kOffSunSignCond, 2},  // 87 sun sign 1
    {kCondSubgroupLeaf | kCondWide, 3617, kOffSunSignCond, 4},  // 88 sun sign 2
    {kCondSubgroupLeaf | kCondWide, 3618, kOffSunSignCond, 6},  // 89 sun sign 3
    {kCondSubgroupLeaf | kCondWide, 3619, kOffSunSignCond, 8},  // 90 sun sign 4
    {kCondSubgroupLeaf | kCondWide, 3620, kOffSunSignCond, 10},  // 91 sun sign 5
    {kCondSubgroupLeaf | kCondWide, 3621, kOffSunSignCond, 12},  // 92 sun sign 6
    {kCondSubgroupLeaf | kCondWide, 3622, kOffSunSignCond, 14},  // 93 sun sign 7
    {kCondSubgroupLeaf | kCondWide, 3623, kOffSunSignCond, 16},  // 94 sun sign 8
    {kCondSubgroupLeaf | kCondWide, 3624, kOffSunSignCond, 18},  // 95 sun sign 9
    {kCondSubgroupLeaf | kCondWide, 3625, kOffSunSignCond, 20},  // 96 sun sign 10
    {kCondSubgroupLeaf | kCondLastSubgroupLeaf | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3626, kOffSunSignCond, 22},  // 97 sun sign 11
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3699, kOffNodeCond, 0},  // 98 node
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3595, kOffNodeCond, 0},  // 99 node slot 0
    {kCondCategoryChild | kCondWide, 3596, kOffNodeCond, 2},  // 100 node slot 1
    {kCondCategoryChild | kCondWide, 3597, kOffNodeCond, 4},  // 101 node slot 2
    {kCondCategoryChild | kCondWide, 3598, kOffNodeCond, 6},  // 102 node slot 3
    {kCondCategoryChild | kCondWide, 3599, kOffNodeCond, 8},  // 103 node slot 4
    {kCondCategoryChild | kCondWide, 3600, kOffNodeCond, 10},  // 104 node slot 5
    {kCondCategoryChild | kCondWide, 3601, kOffNodeCond, 12},  // 105 node slot 6
    {kCondCategoryChild | kCondWide, 3602, kOffNodeCond, 14},  // 106 node slot 7
    {kCondCategoryChild | kCondWide, 3603, kOffNodeCond, 16},  // 107 node slot 8
    {kCondCategoryChild | kCondWide, 3604, kOffNodeCond, 18},  // 108 node slot 9
    {kCondCategoryChild | kCondWide, 3605, kOffNodeCond, 20},  // 109 node slot 10
    {kCondCategoryChild | kCondWide, 3606, kOffNodeCond, 22},  // 110 node slot 11
    {kCondCategoryChild | kCondWide, 3607, kOffNodeCond, 24},  // 111 node slot 12
    {kCondCategoryChild | kCondWide, 3608, kOffNodeCond, 26},  // 112 node slot 13
    {kCondCategoryChild | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3609, kOffNodeCond, 28},  // 113 node slot 14
    {kCondCategory | kCondHasChildren | kCondExcludeFirst, 3627, kOffSeasonCond, 0},  // 114 season
    {kCondCategoryChild | kCondFirstDirectLeaf, 3628, kOffSeasonCond, 0},  // 115 season slot 0
    {kCondCategoryChild, 3629, kOffSeasonCond, 2},  // 116 season slot 1
    {kCondCategoryChild, 3630, kOffSeasonCond, 4},  // 117 season slot 2
    {kCondCategoryChild | kCondSecondSubgroup | kCondLastOfCategory, 3631, kOffSeasonCond, 6},  // 118 season slot 3
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3658, kOffMonthCond, 0},  // 119 month
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3659, kOffMonthCond, 0},  // 120 month slot 0
    {kCondCategoryChild | kCondWide, 3660, kOffMonthCond, 2},  // 121 month slot 1
    {kCondCategoryChild | kCondWide, 3661, kOffMonthCond, 4},  // 122 month slot 2
    {kCondCategoryChild | kCondWide, 3662, kOffMonthCond, 6},  // 123 month slot 3
    {kCondCategoryChild | kCondWide, 3663, kOffMonthCond, 8},  // 124 month slot 4
    {kCondCategoryChild | kCondWide, 3664, kOffMonthCond, 10},  // 125 month slot 5
    {kCondCategoryChild | kCondWide, 3665, kOffMonthCond, 12},  // 126 month slot 6
    {kCondCategoryChild | kCondWide, 3666, kOffMonthCond, 14},  // 127 month slot 7
    {kCondCategoryChild | kCondWide, 3667, kOffMonthCond, 16},  // 128 month slot 8
    {kCondCategoryChild | kCondWide, 3668, kOffMonthCond, 18},  // 129 month slot 9
    {kCondCategoryChild | kCondWide, 3669, kOffMonthCond, 20},  // 130 month slot 10
    {kCondCategoryChild | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3670, kOffMonthCond, 22},  // 131 month slot 11
    {kCondCategory | kCondHasChildren | kCondExcludeFirst | kCondWide, 3671, kOffWeekdayCond, 0},  // 132 weekday
    {kCondCategoryChild | kCondFirstDirectLeaf | kCondWide, 3672, kOffWeekdayCond, 0},  // 133 weekday slot 0
    {kCondCategoryChild | kCondWide, 3673, kOffWeekdayCond, 2},  // 134 weekday slot 1
    {kCondCategoryChild | kCondWide, 3674, kOffWeekdayCond, 4},  // 135 weekday slot 2
    {kCondCategoryChild | kCondWide, 3675, kOffWeekdayCond, 6},  // 136 weekday slot 3
    {kCondCategoryChild | kCondWide, 3676, kOffWeekdayCond, 8},  // 137 weekday slot 4
    {kCondCategoryChild | kCondWide, 3677, kOffWeekdayCond, 10},  // 138 weekday slot 5
    {kCondCategoryChild | kCondSecondSubgroup | kCondLastOfCategory | kCondWide, 3678, kOffWeekdayCond, 12},  // 139 weekday slot 6
    {kCondCategory | kCondHasChildren | kCondExcludeFirst, 3679, kOffFixedDays, 0},  // 140 fixed days
    {kCondCategoryChild | kCondFirstDirectLeaf, 3681, kOffFixedDays, 14},  // 141 fixed day entry 0
    {kCondCategoryChild, 3681, kOffFixedDays + 2, 14},  // 142 fixed day entry 1
    {kCondCategoryChild, 3681, kOffFixedDays + 4, 14},  // 143 fixed day entry 2
    {kCondCategoryChild, 3681, kOffFixedDays + 6, 14},  // 144 fixed day entry 3
    {kCondCategoryChild, 3681, kOffFixedDays + 8, 14},  // 145 fixed day entry 4
    {kCondCategoryChild, 3681, kOffFixedDays + 10, 14},  // 146 fixed day entry 5
    {kCondCategoryChild, 3681, kOffFixedDays + 12, 14},  // 147 fixed day entry 6
    {kCondCategoryChild, 3681, kOffFixedDays + 14, 14},  // 148 fixed day entry 7
    {kCondCategoryChild, 3681, kOffFixedDays + 16, 14},  // 149 fixed day entry 8
    {kCondCategoryChild, 3681, kOffFixedDays + 18, 14},  // 150 fixed day entry 9
    {kCondCategoryChild, 3681, kOffFixedDays + 20, 14},  // 151 fixed day entry 10
    {kCondCategoryChild, 3681, kOffFixedDays + 22, 14},  // 152 fixed day entry 11
    {kCondCategoryChild, 3681, kOffFixedDays + 24, 14},  // 153 fixed day entry 12
    {kCondCategoryChild, 3681, kOffFixedDays + 26, 14},  // 154 fixed day entry 13
    {kCondCategoryChild, 3681, kOffFixedDays + 28, 14},  // 155 fixed day entry 14
    {kCondCategoryChild, 3681, kOffFixedDays + 30, 14},  // 156 fixed day entry 15
    {kCondCategoryChild, 3681, kOffFixedDays + 32, 14},  // 157 fixed day entry 16
    {kCondCategoryChild, 3681, kOffFixedDays + 34, 14},  // 158 fixed day entry 17
    {kCondCategoryChild, 3681, kOffFixedDays + 36, 14},  // 159 fixed day entry 18
    {kCondCategoryChild, 3681, kOffFixedDays + 38, 14},  // 160 fixed day entry 19
    {kCondCategoryChild, 3681, kOffFixedDays + 40, 14},  // 161 fixed day entry 20
    {kCondCategoryChild, 3681, kOffFixedDays + 42, 14},  // 162 fixed day entry 21
    {kCondCategoryChild, 3681, kOffFixedDays + 44, 14},  // 163 fixed day entry 22
    {kCondCategoryChild, 3681, kOffFixedDays + 46, 14},  // 164 fixed day entry 23
    {kCondCategoryChild, 3681, kOffFixedDays + 48, 14},  // 165 fixed day entry 24
    {kCondCategoryChild, 3681, kOffFixedDays + 50, 14},  // 166 fixed day entry 25
    {kCondCategoryChild, 3681, kOffFixedDays + 52, 14},  // 167 fixed day entry 26
    {kCondCategoryChild, 3681, kOffFixedDays + 54, 14},  // 168 fixed day entry 27
    {kCondCategoryChild, 3681, kOffFixedDays + 56, 14},  // 169 fixed day entry 28
    {kCondCategoryChild, 3681, kOffFixedDays + 58, 14},  // 170 fixed day entry 29
    {kCondCategoryChild, 3681, kOffFixedDays + 60, 14},  // 171 fixed day entry 30
    {kCondCategoryChild | kCondSecondSubgroup | kCondLastOfCategory, 3682, kOffOtherDays, 14},  // 172 other days
    {kCondEnd, 0, 0, 0},  // 173 end marker
};

int ConditionFieldWidth(int i) {
  if (IsDayWordEntry(i)) return 2;
  return (kConditionCatalogue[i].flags & kCondWide) ? 4 : 1;
}

namespace {

struct Shape {
  int category[kCondEntryCount];
  int subgroup[kCondEntryCount];
  int end[kCondEntryCount];
};

// Walks the flags the way the editor reads them, so a slip in a flag shows up as a wrong
// shape in the tests rather than as a silent misbehaviour of a click.
Shape BuildShape() {
  Shape s{};
  int cat = -1;
  int sub = -1;
  for (int i = 0; i < kCondEntryCount; ++i) {
    const uint32_t f = kConditionCatalogue[i].flags;
    s.end[i] = i;
    if (f & kCondRoot) {
      s.category[i] = -1;
      s.subgroup[i] = -1;
      continue;
    }
    if (f & kCondCategory) {
      cat = i;
      sub = -1;
    } else if ((f & kCondCategoryChild) && (f & kCondHasChildren)) {
      sub = i;
    } else if (!(f & kCondSubgroupLeaf)) {
      sub = -1;
    }
    s.category[i] = cat;
    s.subgroup[i] = (f & kCondSubgroupLeaf) ? sub : -1;
    if ((f & kCondLastSubgroupLeaf) && sub >= 0) s.end[sub] = i;
    if ((f & kCondLastOfCategory) && cat >= 0) s.end[cat] = i;
  }
  s.end[kCondRootEntry] = kCondEntryCount - 1;
  return s;
}

const Shape& TheShape() {
  static const Shape shape = BuildShape();
  return shape;
}

}  // namespace

int ConditionCategoryOf(int i) { return TheShape().category[i]; }
int ConditionSubgroupOf(int i) { return TheShape().subgroup[i]; }
int ConditionNodeEnd(int i) { return TheShape().end[i]; }

}  // namespace tw
