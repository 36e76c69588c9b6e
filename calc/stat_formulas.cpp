#include "calc/stat_formulas.h"

#include "shell/shell_state.h"
#include "shell/win_constants.h"

// Each quotient is truncated on its own, as the games compute. The sums are
// formed in 64 bits so that absurd data cannot overflow; game values stay
// far inside 32 bits, where the results are the games' own.
namespace {
std::int32_t Narrow(std::int64_t value) { return static_cast<std::int32_t>(value); }
}  // namespace

std::int32_t CalcStatGen12(std::int32_t base, std::int32_t level, std::int32_t dv, std::int32_t statexp_level,
                           bool hp) {
  if (hp && base == 1) return 1;
  const std::int64_t b = base, l = level, d = dv, e = statexp_level;
  const std::int64_t constant = hp ? l + 10 : 5;
  return Narrow((b * l) / 50 + constant + (d * l) / 50 + (l * e) / 100);
}

std::int32_t CalcStatGen34(std::int32_t base, std::int32_t level, std::int32_t iv, std::int32_t effort, bool hp,
                           int personality) {
  if (hp && base == 1) return 1;
  const std::int64_t b = base, l = level, i = iv, e = effort;
  const std::int64_t constant = hp ? l + 10 : 5;
  const std::int64_t s = (l * b) / 50 + constant + (i * l) / 100 + (l * (e / 4)) / 100;
  // x0.9 and x1.1 truncated toward zero; the same as these integer forms.
  switch (personality) {
    case 0: return Narrow(s);
    case 1: return Narrow((9 * s) / 10);
    case 2: return Narrow((11 * s) / 10);
    default:
      tk::ShowMessageBox(MainWindow(), "Invalid nature", "Huh?", MB_OK);
      return 0;
  }
}
