#include "records/evolutions.h"

#include "records/dex_data.h"
#include "records/report.h"
#include "records/xml_reader.h"

namespace {
std::int32_t DecodeEvoParam(const XmlReader& r, std::int32_t method_id) {
  const EvoMethod& method = EvolutionMethod(method_id);
  if (method.ignore) return 0;
  if (method.usenum) return r.ChildInt("evoparam");
  const std::int32_t value = r.ChildInt("evoparam");
  for (std::size_t i = 0; i < method.params.size(); ++i)
    if (method.params[i].id == value) return static_cast<std::int32_t>(i);
  Report("Invalid evoparam?", "Error");
  return 0;
}
}  // namespace

std::vector<Evolution> ReadEvolutions(XmlReader& r) {
  std::vector<Evolution> evolutions;
  r.ForEachItem("evolutions", "evolution", [&] {
    Evolution e;
    e.evomethod = r.ChildInt("evomethod");
    e.evoparam = DecodeEvoParam(r, e.evomethod);
    e.evolvesto = r.ChildText("evolvesto");
    evolutions.push_back(std::move(e));
  });
  return evolutions;
}
