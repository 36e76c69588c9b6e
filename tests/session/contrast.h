#pragma once
// How readable a control's text is, from the pixels drawn for it.
#include <cstdint>
#include <vector>

// A control as drawn: width x height pixels, 0x00RRGGBB, rows from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;
};

// The text's colour (the pixel that stands out most), its background (the
// most frequent colour) and their contrast ratio, 1 to 21.
struct InkOnPaper {
  std::uint32_t ink = 0;
  std::uint32_t paper = 0;
  double ratio = 1;
};

double ContrastRatio(std::uint32_t a, std::uint32_t b);
// A control of one colour gives ink == paper and a ratio of 1.
InkOnPaper MeasureText(const Pixels& pixels);
