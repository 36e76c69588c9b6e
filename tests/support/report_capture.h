#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "records/report.h"

struct Reported {
  std::string text;
  std::string title;
  unsigned type = kReportOk;
  bool operator==(const Reported&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Reported& r);

// Captures every message the data layer reports while it lives, and starts
// the data layer from a clean state.
class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  const std::vector<Reported>& all() const { return reports_; }
  std::vector<std::string> texts() const;
  void clear() { reports_.clear(); }

 private:
  std::vector<Reported> reports_;
  ReportHook previous_;
};
