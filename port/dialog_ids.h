#pragma once
// The controls of every dialog, named once: the templates, the dialog
// procedures, the text front end and the tests all use these. The dialogs'
// own resource ids are in port/control_ids.h; IDOK and IDCANCEL are Win32's.

enum AboutControl {
  kAboutText = 202,
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

enum OptionsControl {
  kOptionsPokemonGroup = 300,
  kOptionsLastPokemon = 301,
  kOptionsFixedPokemon = 302,
  kOptionsPokemonChoice = 303,
  kOptionsPageGroup = 304,
  kOptionsLastPage = 305,
  kOptionsFixedPage = 306,
  kOptionsPageChoice = 307,
  kOptionsReset = 308,
  kOptionsUpdateChecks = 311,
};

enum MoveDetailsControl {
  kMoveName = 321,
  kMoveType = 322,
  kMoveAttackType = 323,
  kMovePower = 324,
  kMovePp = 325,
  kMoveAccuracy = 326,
  kMoveAffected = 327,
  kMoveEffectChance = 328,
  kMoveEffect = 329,
  kMoveContestType = 330,
  kMoveAppeal = 331,
  kMoveJam = 332,
  kMoveContestEffect = 333,
  kMoveSuperAppeal = 334,
  kMoveSuperEffect = 335,
};

enum MatchupsControl {
  kMatchupsTitle = 341,
  kMatchupsGenerationLabel = 342,
  kMatchupsGenerationList = 343,
  kMatchupsList = 344,
};

enum FindControl {
  kFindQuestionLabel = 351,
  kFindQuestionList = 352,
  kFindAnswerLabel = 353,
  kFindAnswerList = 354,
  kFindGameLabel = 355,
  kFindGameList = 356,
  kFindResults = 357,
  kFindCount = 358,
};
