#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "records/report.h"
#include "support/program_reset.h"

struct Reported {
  std::string text;
  std::string title;
  unsigned type = kReportOk;
  bool operator==(const Reported&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Reported& r);

// Captures every message the data layer reports while it lives, in a program
// started afresh (and reset again when it goes).
class ReportCapture {
 public:
  ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  const std::vector<Reported>& all() const { return reports_; }
  std::vector<std::string> texts() const;
  void clear() { reports_.clear(); }

 private:
  ProgramReset reset_;
  std::vector<Reported> reports_;
};
