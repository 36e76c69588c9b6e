#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// faunary-text's --calc: one calculator of the Calculations page, opened for
// the current Pokemon, filled in and calculated as a user would, its result
// line printed exactly as the dialog shows it.

struct CalcRequest {
  std::string form;  // stats12, stats34, catch, exp-gained or exp-needed
  std::vector<std::pair<std::string, std::string>> choices;  // option, value
};

// Takes --calc FORM and the calculators' options out of `args`; a message
// when they do not make one complete request.
std::optional<std::string> TakeCalcArgs(std::vector<std::string>& args, std::optional<CalcRequest>& request);

// Runs the request on the started program; prints the dialog's message boxes
// and result lines. Returns the exit status: kExitUsage for a choice the
// dialog does not offer.
int RunCalculator(const CalcRequest& request, std::ostream& out, std::ostream& err);
