#include "resources/dialog_templates.h"

#include <algorithm>
#include <array>

#include "port/control_ids.h"
#include "port/dialog_ids.h"
#include "port/win_constants.h"

namespace {
constexpr std::uint32_t kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr std::uint32_t kLabel = SS_LEFT;
constexpr std::uint32_t kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t kDropList = CBS_DROPDOWNLIST | WS_TABSTOP;
constexpr std::uint32_t kScrolledDropList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr std::uint32_t kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr std::uint32_t kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;

constexpr std::uint32_t kResultList = LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;

// About.
constexpr std::array kAbout{
    DialogItemTemplate{kAboutText, WC_STATIC, "Faunary", kLabel, 5, 10, 140, 100},
    DialogItemTemplate{IDOK, WC_BUTTON, "Ok", kPush | BS_CENTER, 65, 75, 20, 12},
};

// Stats (gen 1-2).
constexpr std::array kStatsGen12{
    DialogItemTemplate{kStatsHeading, WC_STATIC, "Stat Calculator", kLabel, 5, 5, 100, 15},
    DialogItemTemplate{kStatsStatLabel, WC_STATIC, "Stat: ", kLabel, 5, 25, 50, 15},
    DialogItemTemplate{kStatsStatList, WC_COMBOBOX, "", kScrolledDropList, 60, 25, 100, 150},
    DialogItemTemplate{kStatsLevelLabel, WC_STATIC, "Level: ", kLabel, 5, 45, 50, 15},
    DialogItemTemplate{kStatsLevelList, WC_COMBOBOX, "", kDropList, 60, 45, 30, 150},
    DialogItemTemplate{kStatsValueLabel, WC_STATIC, "DV: ", kLabel, 100, 45, 30, 15},
    DialogItemTemplate{kStatsValueList, WC_COMBOBOX, "", kDropList, 135, 45, 30, 150},
    // Room for the label on one line in the Windows font at any scale.
    DialogItemTemplate{kStatsEffortLabel, WC_STATIC, "Stat Exp Level: ", kLabel, 5, 65, 62, 15},
    DialogItemTemplate{kStatsEffortList, WC_COMBOBOX, "", kDropList, 70, 65, 35, 150},
    DialogItemTemplate{kStatsResult, WC_STATIC, "", kLabel, 110, 65, 85, 15},
    DialogItemTemplate{kStatsCalculate, WC_BUTTON, "&Calculate", kPush, 5, 80, 70, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 80, 80, 40, 15},
};

// Catch chance.
constexpr std::array kCatch{
    DialogItemTemplate{kCatchHeading, WC_STATIC, "Pokemon Catch Percentage Calculation", kLabel, 5, 5, 150, 15},
    DialogItemTemplate{kCatchLevelLabel, WC_STATIC, "Level: ", kLabel, 5, 20, 50, 15},
    DialogItemTemplate{kCatchLevelList, WC_COMBOBOX, "", kScrolledDropList, 60, 20, 30, 150},
    DialogItemTemplate{kCatchStatusLabel, WC_STATIC, "Status: ", kLabel, 95, 20, 50, 15},
    DialogItemTemplate{kCatchStatusList, WC_COMBOBOX, "", kDropList, 150, 20, 95, 150},
    DialogItemTemplate{kCatchHpLabel, WC_STATIC, "Estimate HP Percentage", kLabel, 5, 35, 85, 15},
    DialogItemTemplate{kCatchHpList, WC_COMBOBOX, "", kDropList, 85, 35, 30, 150},
    DialogItemTemplate{kCatchBallLabel, WC_STATIC, "Pokeball used", kLabel, 5, 50, 75, 15},
    DialogItemTemplate{kCatchBallList, WC_COMBOBOX, "", kDropList, 85, 50, 65, 150},
    DialogItemTemplate{kCatchResult, WC_STATIC, "", kLabel, 5, 75, 270, 30},
    DialogItemTemplate{kCatchCalculate, WC_BUTTON, "&Calculate", kPush, 5, 105, 70, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 120, 105, 40, 15},
};

// Experience gained.
constexpr std::array kExpGained{
    DialogItemTemplate{kGainedHeading, WC_STATIC, "Experience gain through defeating Pokemon", kLabel, 5, 5, 200, 15},
    DialogItemTemplate{kGainedLevelLabel, WC_STATIC, "Level: ", kLabel, 5, 20, 50, 15},
    DialogItemTemplate{kGainedLevelList, WC_COMBOBOX, "", kScrolledDropList, 60, 20, 30, 150},
    DialogItemTemplate{kGainedTrainerBattle, WC_BUTTON, "Trainer Battle", kCheck, 5, 40, 60, 15},
    DialogItemTemplate{kGainedResult, WC_STATIC, "Experience Gained: ", kLabel, 5, 60, 150, 15},
    DialogItemTemplate{kGainedCalculate, WC_BUTTON, "&Calculate", kPush, 5, 80, 70, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 90, 80, 40, 15},
};

// Stats (gen 3-4).
constexpr std::array kStatsGen34{
    DialogItemTemplate{kStatsHeading, WC_STATIC, "Stat Calculator", kLabel, 5, 5, 100, 15},
    DialogItemTemplate{kStatsStatLabel, WC_STATIC, "Stat:", kLabel, 5, 20, 50, 15},
    DialogItemTemplate{kStatsStatList, WC_COMBOBOX, "", kScrolledDropList, 60, 20, 100, 150},
    DialogItemTemplate{kStatsLevelLabel, WC_STATIC, "Level:", kLabel, 5, 40, 50, 15},
    DialogItemTemplate{kStatsLevelList, WC_COMBOBOX, "", kDropList, 60, 40, 30, 150},
    DialogItemTemplate{kStatsValueLabel, WC_STATIC, "IV:", kLabel, 100, 40, 30, 15},
    DialogItemTemplate{kStatsValueList, WC_COMBOBOX, "", kDropList, 135, 40, 30, 150},
    DialogItemTemplate{kStatsNatureLabel, WC_STATIC, "Nature:", kLabel, 5, 60, 50, 15},
    DialogItemTemplate{kStatsNatureList, WC_COMBOBOX, "", kDropList, 60, 60, 100, 150},
    DialogItemTemplate{kStatsEffortLabel, WC_STATIC, "EV:", kLabel, 5, 80, 50, 15},
    DialogItemTemplate{kStatsEffortList, WC_COMBOBOX, "", kDropList, 60, 80, 35, 150},
    DialogItemTemplate{kStatsResult, WC_STATIC, "", kLabel, 100, 80, 75, 15},
    DialogItemTemplate{kStatsCalculate, WC_BUTTON, "&Calculate", kPush, 5, 100, 70, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 80, 100, 40, 15},
};

// Options ("é" is the code page 1252 byte 0xE9).
constexpr std::array kOptions{
    DialogItemTemplate{kOptionsPokemonGroup, WC_BUTTON, "Pok\xE9mon upon load", BS_GROUPBOX, 5, 10, 150, 50},
    DialogItemTemplate{kOptionsLastPokemon, WC_BUTTON, "Go to last used Pok\xE9mon", kRadio | WS_GROUP, 10, 20, 100, 15},
    DialogItemTemplate{kOptionsFixedPokemon, WC_BUTTON, "Always start with ", kRadio, 10, 35, 70, 15},
    DialogItemTemplate{kOptionsPokemonChoice, WC_COMBOBOX, "", kScrolledDropList, 80, 35, 70, 150},
    DialogItemTemplate{kOptionsPageGroup, WC_BUTTON, "Page upon load", BS_GROUPBOX, 5, 60, 150, 50},
    DialogItemTemplate{kOptionsLastPage, WC_BUTTON, "Go to last used page", kRadio | WS_GROUP, 10, 70, 90, 15},
    DialogItemTemplate{kOptionsFixedPage, WC_BUTTON, "Always start with ", kRadio, 10, 85, 70, 15},
    DialogItemTemplate{kOptionsPageChoice, WC_COMBOBOX, "", kScrolledDropList, 80, 85, 70, 150},
    DialogItemTemplate{kOptionsUpdateChecks, WC_BUTTON, "Online update checks", kCheck | WS_GROUP, 10, 135, 100, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Ok", kPush | WS_GROUP, 5, 185, 38, 15},
    DialogItemTemplate{IDCANCEL, WC_BUTTON, "&Cancel", kPush, 47, 185, 38, 15},
    DialogItemTemplate{kOptionsReset, WC_BUTTON, "&Reset to default", kPush, 90, 185, 80, 15},
};

// Experience needed.
constexpr std::array kExpNeeded{
    DialogItemTemplate{kNeededLevelLabel, WC_STATIC, "Level: ", kLabel, 5, 5, 50, 15},
    DialogItemTemplate{kNeededLevelList, WC_COMBOBOX, "", kScrolledDropList, 60, 5, 30, 150},
    DialogItemTemplate{kNeededResult, WC_STATIC, "Experience Needed: ", kLabel, 5, 25, 150, 15},
    DialogItemTemplate{kNeededCalculate, WC_BUTTON, "&Calculate", kPush, 5, 45, 70, 15},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 90, 45, 40, 15},
};

// Move details.
constexpr std::array kMoveDetails{
    DialogItemTemplate{kMoveName, WC_STATIC, "movename", kLabel, 5, 5, 150, 10},
    DialogItemTemplate{kMoveType, WC_STATIC, "Type", kLabel, 5, 15, 100, 10},
    DialogItemTemplate{kMoveAttackType, WC_STATIC, "Atktype", kLabel, 110, 15, 100, 10},
    DialogItemTemplate{kMovePower, WC_STATIC, "Power:", kLabel, 5, 25, 70, 10},
    DialogItemTemplate{kMovePp, WC_STATIC, "PP:", kLabel, 80, 25, 70, 10},
    DialogItemTemplate{kMoveAccuracy, WC_STATIC, "Accuracy:", kLabel, 155, 25, 100, 10},
    DialogItemTemplate{kMoveAffected, WC_STATIC, "Number affected:", kLabel, 5, 35, 100, 10},
    DialogItemTemplate{kMoveEffectChance, WC_STATIC, "Effect chance:", kLabel, 110, 35, 100, 10},
    DialogItemTemplate{kMoveEffect, WC_STATIC, "Battle effect", kLabel, 5, 45, 250, 20},
    DialogItemTemplate{kMoveContestType, WC_STATIC, "Contesttype", kLabel, 5, 65, 100, 10},
    DialogItemTemplate{kMoveAppeal, WC_STATIC, "Appeal:", kLabel, 5, 75, 70, 10},
    DialogItemTemplate{kMoveJam, WC_STATIC, "Jam:", kLabel, 90, 75, 80, 10},
    DialogItemTemplate{kMoveContestEffect, WC_STATIC, "Contest effect", kLabel, 5, 85, 250, 20},
    DialogItemTemplate{kMoveSuperAppeal, WC_STATIC, "Super Appeal:", kLabel, 5, 105, 140, 10},
    DialogItemTemplate{kMoveSuperEffect, WC_STATIC, "Super Contest Effect", kLabel, 5, 115, 250, 20},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Ok", kPush, 120, 135, 40, 15},
};

// Matchups of the current Pokemon.
constexpr std::array kMatchups{
    DialogItemTemplate{kMatchupsTitle, WC_STATIC, "", kLabel, 5, 7, 170, 10},
    DialogItemTemplate{kMatchupsGenerationLabel, WC_STATIC, "Generation:", kLabel, 180, 7, 45, 10},
    DialogItemTemplate{kMatchupsGenerationList, WC_COMBOBOX, "", kDropList, 225, 5, 30, 80},
    DialogItemTemplate{kMatchupsList, WC_LISTVIEW, "", kResultList, 5, 22, 250, 130},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 215, 157, 40, 14},
};

// Find: who learns, has, is in, lives at.
constexpr std::array kFind{
    DialogItemTemplate{kFindQuestionLabel, WC_STATIC, "Question:", kLabel, 5, 7, 40, 10},
    DialogItemTemplate{kFindQuestionList, WC_COMBOBOX, "", kDropList, 45, 5, 85, 100},
    DialogItemTemplate{kFindGameLabel, WC_STATIC, "Game:", kLabel, 140, 7, 30, 10},
    DialogItemTemplate{kFindGameList, WC_COMBOBOX, "", kScrolledDropList, 170, 5, 125, 150},
    DialogItemTemplate{kFindAnswerLabel, WC_STATIC, "Answer:", kLabel, 5, 24, 40, 10},
    DialogItemTemplate{kFindAnswerList, WC_COMBOBOX, "", kScrolledDropList, 45, 22, 250, 200},
    DialogItemTemplate{kFindResults, WC_LISTVIEW, "", kResultList, 5, 40, 290, 150},
    DialogItemTemplate{kFindCount, WC_STATIC, "", kLabel, 5, 197, 200, 10},
    DialogItemTemplate{IDOK, WC_BUTTON, "&Done", kPush, 255, 195, 40, 14},
};

constexpr std::array kTemplates{
    DialogTemplate{kAboutDialogId, "About", kDialogStyle, 150, 90, "MS Sans Serif", 8, kAbout},
    DialogTemplate{kStatsGen12DialogId, "Calculate Stats", kDialogStyle, 200, 105, "MS Sans Serif", 8, kStatsGen12},
    DialogTemplate{kCatchDialogId, "Calculate Catch chance", kDialogStyle, 280, 120, "MS Sans Serif", 8, kCatch},
    DialogTemplate{kExpGainedDialogId, "Experience Gain", kDialogStyle, 175, 100, "MS Sans Serif", 8, kExpGained},
    DialogTemplate{kStatsGen34DialogId, "Calculate Stats", kDialogStyle, 200, 125, "MS Sans Serif", 8, kStatsGen34},
    DialogTemplate{kOptionsDialogId, "Options", kDialogStyle, 180, 200, "MS Sans Serif", 8, kOptions},
    DialogTemplate{kExpNeededDialogId, "Experience Needed", kDialogStyle, 175, 70, "MS Sans Serif", 8, kExpNeeded},
    // Tall enough for the Done button below the last effect text.
    DialogTemplate{kMoveDetailsDialogId, "Moves", kDialogStyle, 280, 155, "MS Sans Serif", 8, kMoveDetails},
    DialogTemplate{kMatchupsDialogId, "Matchups", kDialogStyle, 260, 176, "MS Sans Serif", 8, kMatchups},
    DialogTemplate{kFindDialogId, "Find", kDialogStyle, 300, 214, "MS Sans Serif", 8, kFind},
};
}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  const auto it = std::find_if(kTemplates.begin(), kTemplates.end(),
                               [id](const DialogTemplate& t) { return t.id == id; });
  return it == kTemplates.end() ? nullptr : &*it;
}

std::span<const DialogTemplate> AllDialogTemplates() { return kTemplates; }
