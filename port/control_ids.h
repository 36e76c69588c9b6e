#pragma once
// Ids of the main window's own controls and of the page controls whose
// notifications the main window forwards to the current page.

inline constexpr int kPokemonListId = 101;   // "FuncCB"
inline constexpr int kPageTabsId = 102;      // "Main tab"
inline constexpr int kAboutButtonId = 103;   // "&About"
inline constexpr int kOptionsButtonId = 104; // "&Options"
inline constexpr int kFindButtonId = 105;    // "&Find"

// Forwarded notifications (see RouteNotification in shell/page_routing.h).
inline constexpr int kTmCellFirstId = 211;      // TM pages' cells, double-click
inline constexpr int kTmCellLastId = 309;
inline constexpr int kBreedMoveListId = 153;    // breeding page's egg-move list, double-click
inline constexpr int kMoveListId = 161;         // moves page's list, double-click
inline constexpr int kBreedModeComboId = 154;   // breeding page's generation combo
inline constexpr int kEvolutionButtonId = 171;  // main page's "&Evolution"
inline constexpr int kMatchupsButtonId = 170;   // main page's "&Matchups"
inline constexpr int kCompareComboFirstId = 187;  // comparison page's combos 187-191,
inline constexpr int kCompareComboLastId = 191;   // all forwarded as 187
inline constexpr int kCompareLabelFirstId = 340;  // comparison bars' value labels 340-344
inline constexpr int kCalcButtonFirstId = 201;  // calculations page's five buttons
inline constexpr int kCalcButtonLastId = 205;
inline constexpr int kVersionComboId = 312;     // locations page's "verbox"

// Resource ids.
inline constexpr int kProgramIconId = 101;
inline constexpr int kAboutDialogId = 201;
inline constexpr int kStatsGen12DialogId = 203;
inline constexpr int kCatchDialogId = 204;
inline constexpr int kExpGainedDialogId = 205;
inline constexpr int kStatsGen34DialogId = 206;
inline constexpr int kOptionsDialogId = 207;
inline constexpr int kExpNeededDialogId = 290;
inline constexpr int kMoveDetailsDialogId = 320;
inline constexpr int kMatchupsDialogId = 340;
inline constexpr int kFindDialogId = 350;
inline constexpr int kMaleBarBitmapId = 210;
inline constexpr int kFemaleBarBitmapId = 211;
inline constexpr int kGenderlessBarBitmapId = 212;
