#include "contrast.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG 2 relative luminance of an sRGB colour (W3C, "relative luminance" in the WCAG 2.2 glossary).
double Luminance(std::uint32_t rgb) {
  const auto channel = [rgb](int shift) {
    const double c = static_cast<double>((rgb >> shift) & 0xFFu) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(16) + 0.7152 * channel(8) + 0.0722 * channel(0);
}

}  // namespace

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

InkOnPaper MeasureText(const Pixels& pixels) {
  std::map<std::uint32_t, std::size_t> counts;
  for (const std::uint32_t p : pixels.rgb) ++counts[p & 0xFFFFFFu];
  InkOnPaper found;
  if (counts.empty()) return found;
  found.paper = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
                })->first;
  found.ink = found.paper;
  for (const auto& [colour, count] : counts) {
    const double ratio = ContrastRatio(colour, found.paper);
    if (ratio > found.ratio) found = {colour, found.paper, ratio};
  }
  return found;
}
