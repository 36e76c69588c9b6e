#include "texts/evolution_summary.h"

#include "records/pokemon_index.h"
#include "records/tables.h"

namespace {
std::string ReplaceFirst(std::string text, std::string_view placeholder, const std::string& value) {
  const auto at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
  return text;
}

// One step: "to Ivysaur (Level 16)".
std::string Step(const Evolution& evolution) {
  return "to " + PokemonName(evolution.evolvesto) + " (" + EvolutionMethodText(evolution) + ")";
}
}  // namespace

std::string EvolutionMethodText(const Evolution& evolution) {
  const EvoMethod& method = EvolutionMethod(evolution.evomethod);
  if (method.ignore) return method.text;
  if (method.usenum) return ReplaceFirst(method.text, "{param}", std::to_string(evolution.evoparam));
  // A parameter position the method does not have is a data error: the
  // method's text is shown as it stands.
  if (evolution.evoparam < 0 || static_cast<std::size_t>(evolution.evoparam) >= method.params.size())
    return method.text;
  const EvoParam& param = method.params[static_cast<std::size_t>(evolution.evoparam)];
  return ReplaceFirst(ReplaceFirst(method.text, "{param}", param.text), "{param2}", param.text2);
}

std::string EvolutionSummaryText(const DexPokemon& pokemon) {
  const IndexEntry& lowest = IndexEntryOf(pokemon.lowestevo);
  if (lowest.evolutions.empty()) return lowest.name + " does not evolve.";
  // Each branch on a paragraph of its own, so that no later stage reads as
  // coming from the branch before it:
  //   to Silcoon (Level 7, at random), then to Beautifly (Level 10),
  //   or to Cascoon (Level 7, at random), then to Dustox (Level 10)
  std::string text = lowest.name + " evolves";
  for (std::size_t i = 0; i < lowest.evolutions.size(); ++i) {
    const Evolution& first = lowest.evolutions[i];
    text += (i == 0 ? "\n\n" : ",\n\nor ") + Step(first);
    // A target the index lacks has no further stage, and no message.
    const auto next = Index().find(first.evolvesto);
    if (next == Index().end()) continue;
    for (std::size_t j = 0; j < next->second.evolutions.size(); ++j)
      text += (j == 0 ? ", then " : " or ") + Step(next->second.evolutions[j]);
  }
  return text;
}
