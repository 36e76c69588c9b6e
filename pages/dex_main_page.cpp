#include "pages/dex_main_page.h"

#include <array>
#include <cstdio>

#include "calc/stat_formulas.h"
#include "pages/evolution_summary.h"
#include "records/dex_data.h"
#include "records/pokemon_index.h"
#include "shell/control_ids.h"
#include "shell/shell_state.h"
#include "shell/win_constants.h"

namespace {
constexpr std::uint32_t kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr int kBarY = 250;
constexpr int kBarHeight = 15;
constexpr int kBarWidth = 320;  // the whole bar, x 10 to 330
constexpr int kGenderless = 17;

tk::Window MakeStatic(const char* name, int x, int y, int width, int height, int id) {
  const tk::Window control =
      tk::CreateControl(WC_STATIC, name, kStaticStyle, x, y, width, height, MainWindow(), id, AppInstance());
  tk::SetControlFont(control, SharedFont());
  return control;
}

std::string Num(std::int32_t value) { return std::to_string(value); }

const std::string& TextOf(const KeyedTable& table, int position) { return table.Row(position).text; }

std::string DexNumbers(const DexPokemon& p) {
  const int g = p.fromgeneration;
  std::string text = "National Order " + Num(p.dexno);
  // A regional number of 0 means the regional dex lacks the Pokemon.
  if (g <= 2 && p.johtodex > 0) text += " / Johto Order " + Num(p.johtodex);
  if (g <= 3 && p.hoenndex > 0) text += " / Hoenn Order " + Num(p.hoenndex);
  if (g <= 4 && p.sinnohdex > 0 && p.sinnohdex <= 151) text += " / Sinnoh Order " + Num(p.sinnohdex);
  return text;
}

std::string TypeText(const DexPokemon& p) {
  const KeyedTable& types = Data().tables.stdtypes;
  std::string text = TextOf(types, p.type1);
  if (p.type2 != 0 && p.type2 != p.type1) text += " / " + TextOf(types, p.type2);
  return text;
}

// wilditem25 is the common item, wilditem8 the rare one. A wild Pokemon holds an item one
// time in four (192 of 256 rolls give none), the rare one on 20 of 256 second rolls:
// about 23% and 2%, 25% when both are the same item.
std::string GscWildItem(const DexPokemon& p) {
  if (p.fromgeneration > 2) return {};
  if (!p.wilditem100.empty()) return "GSC Wild Item (100%): " + p.wilditem100;
  if (p.wilditem25.empty()) return p.wilditem8.empty() ? std::string() : "GSC Wild Item (2%): " + p.wilditem8;
  if (p.wilditem8.empty()) return "GSC Wild Item (23%): " + p.wilditem25;
  if (p.wilditem8 == p.wilditem25) return "GSC Wild Item (25%): " + p.wilditem8;
  return "GSC Wild Item (23%): " + p.wilditem25 + "; GSC Wild Item (2%): " + p.wilditem8;
}

std::string Labelled(bool shown, const char* label, const std::string& value) {
  return shown && !value.empty() ? label + value : std::string();
}

std::string StatLine(const char* label, std::int32_t base, bool hp, int generation) {
  std::string text = label + Num(base) + " (" + Num(CalcStatGen34(base, 100, 0, 0, hp, 1)) + "-" +
                     Num(CalcStatGen34(base, 100, 31, 255, hp, 2)) + ")";
  if (generation <= 2)
    text += " Old: (" + Num(CalcStatGen12(base, 100, 0, 0, hp)) + "-" + Num(CalcStatGen12(base, 100, 15, 63, hp)) +
            ")";
  return text;
}

std::string StatExpText(std::uint32_t gain) {
  struct Token {
    std::uint32_t bit;
    const char* text;
  };
  static constexpr std::array<Token, 18> kTokens{{
      {kHp1, "HP +1 "},           {kHp2, "HP +2 "},           {kHp3, "HP +3 "},
      {kAtk1, "Attack +1 "},      {kAtk2, "Attack +2 "},      {kAtk3, "Attack +3 "},
      {kDef1, "Defense +1 "},     {kDef2, "Defense +2 "},     {kDef3, "Defense +3 "},
      {kSatk1, "Spec. Attack +1 "}, {kSatk2, "Spec. Attack +2 "}, {kSatk3, "Spec. Attack +3 "},
      {kSdef1, "Spec. Defense +1 "}, {kSdef2, "Spec. Defense +2 "}, {kSdef3, "Spec. Defense +3 "},
      {kSpd1, "Speed +1 "},       {kSpd2, "Speed +2 "},       {kSpd3, "Speed +3 "},
  }};
  std::string text = "Stat Exp given: ";
  for (const Token& token : kTokens)
    if (gain & token.bit) text += token.text;
  return text;
}

std::string AbilityText(int first, int second) {
  const KeyedTable& abilities = Data().tables.abilities;
  std::string text = "Ability: " + TextOf(abilities, first);
  if (second > 0) text += "\nor " + TextOf(abilities, second);
  return text;
}

// Tenths of a per cent in the general format: 145 gives 14.5, 100 gives 10.
std::string RecruitRate(std::int32_t tenths) {
  if (tenths == 0) return "Recruit Rate: Evolution only";
  char number[32];
  std::snprintf(number, sizeof number, "%g", tenths / 10.0);
  return std::string("Recruit Rate: ") + number;
}

tk::Window MakeBar(const char* name, int x, int width, int id, int bitmap_id, tk::Bitmap& bitmap) {
  const tk::Window bar = tk::CreateControl(WC_STATIC, name, WS_CHILD | WS_VISIBLE | SS_BITMAP, x, kBarY, width,
                                           kBarHeight, MainWindow(), id, AppInstance());
  bitmap = tk::LoadBitmapStretched(AppInstance(), bitmap_id, width, kBarHeight);
  tk::SetStaticBitmap(bar, bitmap);
  tk::InvalidateControl(bar);
  return bar;
}
}  // namespace

DexMainPage::~DexMainPage() = default;

void DexMainPage::CreateControls() {
  name_ = MakeStatic("crtrnameid", 10, 10, 70, 15, 131);
  species_ = MakeStatic("crtrspecieid", 80, 10, 100, 15, 132);
  dexno_ = MakeStatic("crtrdexnoid", 10, 25, 375, 15, 134);
  type_ = MakeStatic("crtrtypeid", 180, 10, 140, 15, 133);
  height_ = MakeStatic("crtrheightid", 310, 10, 40, 15, 138);
  weight_ = MakeStatic("crtrweightid", 350, 10, 40, 15, 139);
  gsc_wild_item_ = MakeStatic("crtrwilditemwnd", 10, 40, 140, 15, 311);
  trade_item_ = MakeStatic("crtrtradeitemwnd", 10, 55, 140, 15, 311);
  // Right of the FRLG wild item: the trade item's own 140 pixels hold no second item.
  yellow_trade_item_ = MakeStatic("crtrytradeitemwnd", 380, 55, 260, 15, 311);
  rs_wild_item_ = MakeStatic("crtrwilditemrswnd", 170, 40, 200, 15, 314);
  frlg_wild_item_ = MakeStatic("crtrwilditemflwnd", 170, 55, 200, 15, 314);
  dp_wild_item_ = MakeStatic("crtrwilditemdpwnd", 330, 40, 200, 15, 139);
  hp_ = MakeStatic("crtrhpid", 10, 75, 240, 15, 174);
  attack_ = MakeStatic("crtrattkid", 10, 90, 240, 15, 172);
  defense_ = MakeStatic("crtrdefid", 10, 105, 240, 15, 173);
  speed_ = MakeStatic("crtrspdid", 10, 120, 240, 15, 175);
  spec_attack_ = MakeStatic("crtrspattkid", 10, 135, 240, 15, 176);
  spec_defense_ = MakeStatic("crtrspdefid", 10, 150, 240, 15, 177);
  rby_special_ = MakeStatic("crtrrbyspecid", 10, 165, 240, 15, 178);
  gsc_shiny_ = MakeStatic("crtrshinyid", 260, 75, 380, 15, 312);
  rse_shiny_ = MakeStatic("crtrrsshinyid", 260, 90, 380, 15, 313);
  dpp_shiny_ = MakeStatic("crtrdpshinyid", 260, 105, 380, 15, 319);
  stat_exp_ = MakeStatic("crtrstatexpgain", 260, 120, 380, 15, 315);
  colour_ = MakeStatic("crtrcolourwnd", 260, 135, 200, 15, 316);
  gen3_abilities_ = MakeStatic("crtrabilitieswnd", 260, 165, 380, 60, 317);
  gen4_abilities_ = MakeStatic("crtrdpabilitieswnd", 260, 210, 380, 60, 321);
  habitat_ = MakeStatic("crtrhabitatwnd", 260, 150, 200, 15, 318);
  gender_ = MakeStatic("crtrgenderid", 10, 205, 150, 15, 135);
  gender_difference_ = MakeStatic("crtrgenderdiffid", 10, 220, 250, 30, 320);
  evolution_button_ = tk::CreateControl(WC_BUTTON, "&Evolution", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 260, 270, 70,
                                        20, MainWindow(), kEvolutionButtonId, AppInstance());
  tk::SetControlFont(evolution_button_, SharedFont());
  recruit_rate_ = MakeStatic("crtrrecrratewnd", 10, 270, 200, 15, 322);
  body_size_ = MakeStatic("crtrbodysizewnd", 10, 285, 200, 15, 323);
  friend_area_ = MakeStatic("crtrfriendareawnd", 10, 300, 250, 15, 138);
  Draw();
}

void DexMainPage::Draw() {
  const DexPokemon& p = CurrentRecord();
  const DexTables& tables = Data().tables;
  const int g = p.fromgeneration;

  tk::SetControlText(dexno_, DexNumbers(p));
  tk::SetControlText(name_, p.name);
  tk::SetControlText(species_, p.species + " species");
  tk::SetControlText(type_, TypeText(p));
  tk::SetControlText(height_, Num(p.height.ft) + "'" + Num(p.height.in) + "\"");
  tk::SetControlText(weight_, p.weight == 0 ? std::string("0.2lbs") : Num(p.weight) + "lbs");
  tk::SetControlText(gsc_wild_item_, GscWildItem(p));
  tk::SetControlText(trade_item_, g == 1 ? "Trade Item: " + p.tradeitem : std::string());
  tk::SetControlText(yellow_trade_item_, Labelled(g == 1, "Yellow Trade Item: ", p.ytradeitem));
  tk::SetControlText(rs_wild_item_, Labelled(g <= 3, "RS Wild Item: ", p.rswilditem));
  tk::SetControlText(frlg_wild_item_, Labelled(g <= 3, "FRLG Wild Item: ", p.frlgwilditem));
  tk::SetControlText(dp_wild_item_, Labelled(true, "DP Wild Item: ", p.dpwilditem));

  tk::SetControlText(hp_, StatLine("HP: ", p.hp, true, g));
  tk::SetControlText(attack_, StatLine("Attack: ", p.attack, false, g));
  tk::SetControlText(defense_, StatLine("Defense: ", p.defense, false, g));
  tk::SetControlText(speed_, StatLine("Speed: ", p.speed, false, g));
  tk::SetControlText(spec_attack_, StatLine("Spec Attack: ", p.specattk, false, g));
  tk::SetControlText(spec_defense_, StatLine("Spec Defense: ", p.specdef, false, g));
  tk::SetControlText(rby_special_, g == 1 ? "RBY Special: " + Num(p.rbyspec) + " (" +
                                                Num(CalcStatGen12(p.rbyspec, 100, 0, 0, false)) + "-" +
                                                Num(CalcStatGen12(p.rbyspec, 100, 15, 63, false)) + ")"
                                          : std::string(" "));

  tk::SetControlText(gsc_shiny_, Labelled(g <= 2, "GSC Shiny Colour: ", p.shinygsc));
  tk::SetControlText(rse_shiny_, Labelled(g <= 3, "RSE Shiny Colour: ", p.shinyrs));
  tk::SetControlText(dpp_shiny_, Labelled(true, "DPP Shiny Colour: ", p.shinydp));
  tk::SetControlText(stat_exp_, StatExpText(p.statexpgain));
  tk::SetControlText(colour_, "Colour: " + TextOf(tables.colours, p.colour));
  tk::SetControlText(gen3_abilities_, g <= 3 ? AbilityText(p.gen3ability1, p.gen3ability2) : std::string());
  tk::SetControlText(gen4_abilities_, AbilityText(p.gen4ability1, p.gen4ability2));
  tk::SetControlText(habitat_, g <= 3 ? "Habitat: " + TextOf(tables.habitats, p.habitat) : std::string());
  tk::SetControlText(gender_, GenderRatioText(p.gender));
  tk::SetControlText(gender_difference_, p.dpgenderdiff.empty() ? std::string("DP Gender difference: None")
                                                                : "DP Gender difference: " + p.dpgenderdiff);
  DrawGenderBar(p.gender);

  if (g <= 3) {
    tk::SetControlText(recruit_rate_, RecruitRate(p.mdrecruitrate));
    tk::SetControlText(body_size_, "Body size: " + Num(p.mdbodysize));
    tk::SetControlText(friend_area_, "MD Friend Area: " + TextOf(tables.friendareas, p.friendarea));
  } else {
    tk::SetControlText(recruit_rate_, "Recruit Rate: Unknown");
    tk::SetControlText(body_size_, "Body Size: Unknown");
    tk::SetControlText(friend_area_, "MD Friend Area: " + TextOf(tables.friendareas, 0));
  }
}

void DexMainPage::DrawGenderBar(int gender) {
  DestroyGenderBar();
  if (gender == kGenderless) {
    first_bar_ = MakeBar("crtrgndrbarid", 10, kBarWidth, 136, kGenderlessBarBitmapId, first_bar_bitmap_);
    return;
  }
  // Codes outside 0-16 name no ratio: their text is "Gender: Unknown" and
  // they get no bar rather than one running past the bar's area.
  if (gender < 0 || gender > 16) return;
  const int male = gender * 20;
  const int female = kBarWidth - male;
  if (male > 0) first_bar_ = MakeBar("crtrmalebarid", 10, male, 136, kMaleBarBitmapId, first_bar_bitmap_);
  if (female > 0)
    second_bar_ = MakeBar("crtrfemalebarid", 10 + male, female, 137, kFemaleBarBitmapId, second_bar_bitmap_);
}

void DexMainPage::DestroyGenderBar() {
  for (tk::Window* bar : {&first_bar_, &second_bar_}) {
    if (*bar) tk::DestroyControl(*bar);
    *bar = {};
  }
  for (tk::Bitmap* bitmap : {&first_bar_bitmap_, &second_bar_bitmap_}) {
    if (*bitmap) tk::DeleteBitmap(*bitmap);
    *bitmap = {};
  }
}

void DexMainPage::DestroyControls() {
  for (tk::Window* control :
       {&dexno_, &name_, &species_, &type_, &height_, &weight_, &gsc_wild_item_, &trade_item_, &rs_wild_item_,
        &frlg_wild_item_, &dp_wild_item_, &hp_, &attack_, &defense_, &speed_, &spec_attack_, &spec_defense_,
        &rby_special_, &gsc_shiny_, &rse_shiny_, &dpp_shiny_, &stat_exp_, &colour_, &habitat_, &friend_area_,
        &gen3_abilities_, &gen4_abilities_, &gender_, &evolution_button_, &gender_difference_, &recruit_rate_,
        &body_size_, &yellow_trade_item_}) {
    tk::DestroyControl(*control);
    *control = {};
  }
  DestroyGenderBar();
}

int DexMainPage::OnCommand(int id, int, std::intptr_t) {
  return id == kEvolutionButtonId ? ShowEvolutionSummary() : 0;
}
