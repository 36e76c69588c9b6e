#include "pages/dex_main_page.h"

#include <array>

#include "pages/matchups_dialog.h"
#include "port/control_ids.h"
#include "port/win_constants.h"
#include "records/selection.h"
#include "shell/page_controls.h"
#include "shell/shell_state.h"
#include "texts/evolution_summary.h"
#include "texts/main_texts.h"

namespace {
constexpr std::uint32_t kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr int kBarY = 280;
constexpr int kBarHeight = 15;
constexpr int kBarWidth = 320;  // the whole bar, x 10 to 330
constexpr int kGenderless = 17;

// A control of the page and the line it shows (none for the button).
struct MainControl {
  ControlLayout place;
  std::string MainLines::*line;
};

constexpr std::array<MainControl, 34> kLayout{{
    {{WC_STATIC, "crtrnameid", kStaticStyle, 10, 10, 80, 15, 131}, &MainLines::name},
    {{WC_STATIC, "crtrspecieid", kStaticStyle, 92, 10, 138, 15, 132}, &MainLines::species},
    {{WC_STATIC, "crtrdexnoid", kStaticStyle, 10, 25, 560, 15, 134}, &MainLines::dex_numbers},
    {{WC_STATIC, "crtrtypeid", kStaticStyle, 235, 10, 125, 15, 133}, &MainLines::type},
    {{WC_STATIC, "crtrheightid", kStaticStyle, 365, 10, 45, 15, 138}, &MainLines::height},
    {{WC_STATIC, "crtrweightid", kStaticStyle, 415, 10, 55, 15, 139}, &MainLines::weight},
    {{WC_STATIC, "crtrwilditemwnd", kStaticStyle, 10, 40, 300, 30, 311}, &MainLines::gsc_wild_item},
    {{WC_STATIC, "crtrtradeitemwnd", kStaticStyle, 10, 70, 300, 15, 311}, &MainLines::trade_item},
    {{WC_STATIC, "crtrytradeitemwnd", kStaticStyle, 10, 85, 300, 15, 311}, &MainLines::yellow_trade_item},
    {{WC_STATIC, "crtrwilditemrswnd", kStaticStyle, 320, 40, 320, 15, 314}, &MainLines::rs_wild_item},
    {{WC_STATIC, "crtrwilditemflwnd", kStaticStyle, 320, 55, 320, 30, 314}, &MainLines::frlg_wild_item},
    {{WC_STATIC, "crtrwilditemdpwnd", kStaticStyle, 320, 85, 320, 15, 139}, &MainLines::dp_wild_item},
    {{WC_STATIC, "crtrhpid", kStaticStyle, 10, 105, 250, 15, 174}, &MainLines::hp},
    {{WC_STATIC, "crtrattkid", kStaticStyle, 10, 120, 250, 15, 172}, &MainLines::attack},
    {{WC_STATIC, "crtrdefid", kStaticStyle, 10, 135, 250, 15, 173}, &MainLines::defense},
    {{WC_STATIC, "crtrspdid", kStaticStyle, 10, 150, 250, 15, 175}, &MainLines::speed},
    {{WC_STATIC, "crtrspattkid", kStaticStyle, 10, 165, 250, 15, 176}, &MainLines::spec_attack},
    {{WC_STATIC, "crtrspdefid", kStaticStyle, 10, 180, 250, 15, 177}, &MainLines::spec_defense},
    {{WC_STATIC, "crtrrbyspecid", kStaticStyle, 10, 195, 250, 15, 178}, &MainLines::rby_special},
    {{WC_STATIC, "crtrshinyid", kStaticStyle, 260, 105, 380, 15, 312}, &MainLines::gsc_shiny},
    {{WC_STATIC, "crtrrsshinyid", kStaticStyle, 260, 120, 380, 15, 313}, &MainLines::rse_shiny},
    {{WC_STATIC, "crtrdpshinyid", kStaticStyle, 260, 135, 380, 15, 319}, &MainLines::dpp_shiny},
    {{WC_STATIC, "crtrstatexpgain", kStaticStyle, 260, 150, 380, 15, 315}, &MainLines::stat_exp},
    {{WC_STATIC, "crtrcolourwnd", kStaticStyle, 260, 165, 200, 15, 316}, &MainLines::colour},
    {{WC_STATIC, "crtrabilitieswnd", kStaticStyle, 260, 195, 380, 60, 317}, &MainLines::gen3_abilities},
    {{WC_STATIC, "crtrdpabilitieswnd", kStaticStyle, 260, 240, 380, 60, 321}, &MainLines::gen4_abilities},
    {{WC_STATIC, "crtrhabitatwnd", kStaticStyle, 260, 180, 200, 15, 318}, &MainLines::habitat},
    {{WC_STATIC, "crtrgenderid", kStaticStyle, 10, 235, 250, 15, 135}, &MainLines::gender},
    {{WC_STATIC, "crtrgenderdiffid", kStaticStyle, 10, 250, 250, 30, 320}, &MainLines::gender_difference},
    {{WC_BUTTON, "&Evolution", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 260, 300, 70, 20, kEvolutionButtonId}, nullptr},
    {{WC_BUTTON, "&Matchups", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 335, 300, 70, 20, kMatchupsButtonId}, nullptr},
    {{WC_STATIC, "crtrrecrratewnd", kStaticStyle, 10, 300, 200, 15, 322}, &MainLines::recruit_rate},
    {{WC_STATIC, "crtrbodysizewnd", kStaticStyle, 10, 315, 200, 15, 323}, &MainLines::body_size},
    {{WC_STATIC, "crtrfriendareawnd", kStaticStyle, 10, 330, 250, 15, 138}, &MainLines::friend_area},
}};

}  // namespace

void DexMainPage::AddBar(const char* name, int x, int width, int id, int bitmap_id) {
  const tk::Window bar = bars_.emplace_back(MakeControl(
      {WC_STATIC, name, WS_CHILD | WS_VISIBLE | SS_BITMAP, x, kBarY, width, kBarHeight, id, ControlFont::kNone}));
  const tk::Bitmap bitmap =
      bar_bitmaps_.emplace_back(tk::LoadBitmapStretched(AppInstance(), bitmap_id, width, kBarHeight));
  tk::SetStaticBitmap(bar, bitmap);
  tk::InvalidateControl(bar);
}

void DexMainPage::CreateControls() {
  for (const MainControl& control : kLayout) controls_.push_back(MakeControl(control.place));
  Draw();
}

void DexMainPage::Draw() {
  const DexPokemon& p = CurrentRecord();
  const MainLines lines = MainPageLines(p);
  for (std::size_t n = 0; n < kLayout.size(); ++n)
    if (kLayout[n].line) tk::SetControlText(controls_[n], lines.*kLayout[n].line);
  DrawGenderBar(p.gender);
}

void DexMainPage::DrawGenderBar(int gender) {
  DestroyGenderBar();
  if (gender == kGenderless) {
    AddBar("crtrgndrbarid", 10, kBarWidth, 136, kGenderlessBarBitmapId);
    return;
  }
  // Codes outside 0-16 name no ratio: their text is "Gender: Unknown" and
  // they get no bar rather than one running past the bar's area.
  if (gender < 0 || gender > 16) return;
  const int male = gender * 20;
  const int female = kBarWidth - male;
  if (male > 0) AddBar("crtrmalebarid", 10, male, 136, kMaleBarBitmapId);
  if (female > 0) AddBar("crtrfemalebarid", 10 + male, female, 137, kFemaleBarBitmapId);
}

void DexMainPage::DestroyGenderBar() {
  bars_.clear();
  bar_bitmaps_.clear();
}

void DexMainPage::DestroyControls() {
  DexPage::DestroyControls();
  DestroyGenderBar();
}

int DexMainPage::OnCommand(int id, int, std::intptr_t) {
  if (id == kMatchupsButtonId) {
    tk::RunDialog(AppInstance(), kMatchupsDialogId, MainWindow(), MatchupsDlgProc, 0);
    return 1;
  }
  if (id != kEvolutionButtonId) return 0;
  const DexPokemon& p = CurrentRecord();
  tk::ShowMessageBox(MainWindow(), EvolutionSummaryText(p), p.name, MB_OK);
  return 1;
}
