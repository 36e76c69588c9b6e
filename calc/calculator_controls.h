#pragma once

// The Calculations page's buttons and the controls of the dialogs they open,
// shared by the dialogs and the text front end that works them.

enum CalcPageButton {
  kStatsGen12Button = 201,
  kCatchButton = 202,
  kExpGainedButton = 203,
  kExpNeededButton = 204,
  kStatsGen34Button = 205,
};

// Both stat calculators (the nature controls are the generation 3-4 one's).
enum StatsControl {
  kStatsHeading = 240,
  kStatsStatLabel = 241,
  kStatsStatList = 242,
  kStatsCalculate = 243,
  kStatsLevelLabel = 244,
  kStatsLevelList = 245,
  kStatsValueLabel = 246,   // DV or IV
  kStatsValueList = 247,
  kStatsEffortLabel = 248,  // stat-exp level or EV
  kStatsEffortList = 249,
  kStatsResult = 250,
  kStatsNatureLabel = 251,
  kStatsNatureList = 252,
};

enum CatchControl {
  kCatchHeading = 260,
  kCatchLevelList = 261,
  kCatchLevelLabel = 262,
  kCatchHpLabel = 263,
  kCatchHpList = 264,
  kCatchStatusLabel = 265,
  kCatchStatusList = 266,
  kCatchBallLabel = 267,
  kCatchBallList = 268,
  kCatchResult = 269,
  kCatchCalculate = 270,
};

enum ExpGainedControl {
  kGainedCalculate = 280,
  kGainedHeading = 281,
  kGainedLevelLabel = 282,
  kGainedLevelList = 283,
  kGainedTrainerBattle = 284,
  kGainedResult = 285,
};

enum ExpNeededControl {
  kNeededLevelLabel = 291,
  kNeededLevelList = 292,
  kNeededResult = 293,
  kNeededCalculate = 294,
};
