#pragma once
#include <cstdint>
#include <string>

// The words beside a comparison bar: the value it stands for ("45",
// "14lbs", "1'0\"") and, under "Lowest" and "Highest", the Pokemon behind it
// on a second line. "" for "None".
std::string CompareBarLabel(const std::string& selection, std::int32_t category);
