#include "texts/main_texts.h"

#include <array>
#include <cstdio>

#include "calc/stat_formulas.h"
#include "records/dex_data.h"
#include "records/report.h"

namespace {

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

}  // namespace

MainLines MainPageLines(const DexPokemon& p) {
  const DexTables& tables = Data().tables;
  const int g = p.fromgeneration;
  MainLines l;
  l.dex_numbers = DexNumbers(p);
  l.name = p.name;
  l.species = p.species + " species";
  l.type = TypeText(p);
  l.height = Num(p.height.ft) + "'" + Num(p.height.in) + "\"";
  l.weight = p.weight == 0 ? std::string("0.2lbs") : Num(p.weight) + "lbs";
  l.gsc_wild_item = GscWildItem(p);
  l.trade_item = g == 1 ? "Trade Item: " + p.tradeitem : std::string();
  l.yellow_trade_item = Labelled(g == 1, "Yellow Trade Item: ", p.ytradeitem);
  l.rs_wild_item = Labelled(g <= 3, "RS Wild Item: ", p.rswilditem);
  l.frlg_wild_item = Labelled(g <= 3, "FRLG Wild Item: ", p.frlgwilditem);
  l.dp_wild_item = Labelled(true, "DP Wild Item: ", p.dpwilditem);

  l.hp = StatLine("HP: ", p.hp, true, g);
  l.attack = StatLine("Attack: ", p.attack, false, g);
  l.defense = StatLine("Defense: ", p.defense, false, g);
  l.speed = StatLine("Speed: ", p.speed, false, g);
  l.spec_attack = StatLine("Spec Attack: ", p.specattk, false, g);
  l.spec_defense = StatLine("Spec Defense: ", p.specdef, false, g);
  l.rby_special = g == 1 ? "RBY Special: " + Num(p.rbyspec) + " (" + Num(CalcStatGen12(p.rbyspec, 100, 0, 0, false)) +
                               "-" + Num(CalcStatGen12(p.rbyspec, 100, 15, 63, false)) + ")"
                         : std::string(" ");

  l.gsc_shiny = Labelled(g <= 2, "GSC Shiny Colour: ", p.shinygsc);
  l.rse_shiny = Labelled(g <= 3, "RSE Shiny Colour: ", p.shinyrs);
  l.dpp_shiny = Labelled(true, "DPP Shiny Colour: ", p.shinydp);
  l.stat_exp = StatExpText(p.statexpgain);
  l.colour = "Colour: " + TextOf(tables.colours, p.colour);
  l.gen3_abilities = g <= 3 ? AbilityText(p.gen3ability1, p.gen3ability2) : std::string();
  l.gen4_abilities = AbilityText(p.gen4ability1, p.gen4ability2);
  l.habitat = g <= 3 ? "Habitat: " + TextOf(tables.habitats, p.habitat) : std::string();
  l.gender = GenderRatioText(p.gender);
  l.gender_difference =
      p.dpgenderdiff.empty() ? std::string("DP Gender difference: None") : "DP Gender difference: " + p.dpgenderdiff;
  if (g <= 3) {
    l.recruit_rate = RecruitRate(p.mdrecruitrate);
    l.body_size = "Body size: " + Num(p.mdbodysize);
    l.friend_area = "MD Friend Area: " + TextOf(tables.friendareas, p.friendarea);
  } else {
    l.recruit_rate = "Recruit Rate: Unknown";
    l.body_size = "Body Size: Unknown";
    l.friend_area = "MD Friend Area: " + TextOf(tables.friendareas, 0);
  }
  return l;
}

std::string GenderRatioText(int gender) {
  switch (gender) {
    case 0: return "Gender: 100% female";
    case 4: return "Gender: 25% male - 75% female";
    case 8: return "Gender: 50% male - 50% female";
    case 12: return "Gender: 75% male - 25% female";
    case 14: return "Gender: 87.5% male - 12.5% female";
    case 16: return "Gender: 100% male";
    case 17: return "Genderless";
    default:
      Report("Gender Percentage not yet implemented", "GenderBuf 1");
      return "Gender: Unknown";
  }
}
