#include "calc/stat_formulas.h"

#include "records/report.h"

// The games add the terms first and floor once, where the level's share is
// taken (Red's CalcStat, Crystal's CalcMonStatC; FireRed's CALC_STAT,
// Platinum's Pokemon_CalcStats). The sums are formed in 64 bits so that absurd
// data cannot overflow; game values stay far inside 32 bits.
namespace {
std::int32_t Narrow(std::int64_t value) { return static_cast<std::int32_t>(value); }
}  // namespace

std::int32_t CalcStatGen12(std::int32_t base, std::int32_t level, std::int32_t dv, std::int32_t statexp_level,
                           bool hp) {
  if (hp && base == 1) return 1;
  const std::int64_t b = base, l = level, d = dv, e = statexp_level;
  return Narrow(((b + d) * 2 + e) * l / 100 + (hp ? l + 10 : 5));
}

std::int32_t CalcStatGen34(std::int32_t base, std::int32_t level, std::int32_t iv, std::int32_t effort, bool hp,
                           int personality) {
  if (hp && base == 1) return 1;
  const std::int64_t b = base, l = level, i = iv, e = effort;
  const std::int64_t s = (2 * b + i + e / 4) * l / 100 + (hp ? l + 10 : 5);
  // A nature never touches HP (Platinum's Pokemon_GetNatureStatValue).
  if (hp) return Narrow(s);
  switch (personality) {
    case 0: return Narrow(s);
    case 1: return Narrow(s * 90 / 100);
    case 2: return Narrow(s * 110 / 100);
    default:
      Report("Invalid nature", "Huh?");
      return 0;
  }
}
