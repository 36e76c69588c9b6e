#include "support/report_capture.h"


std::ostream& operator<<(std::ostream& out, const Reported& r) {
  return out << "{\"" << r.text << "\", \"" << r.title << "\", " << r.type << "}";
}

ReportCapture::ReportCapture() {
  SetReportHook([this](const std::string& text, const std::string& title, unsigned type) {
    reports_.push_back({text, title, type});
  });
}

std::vector<std::string> ReportCapture::texts() const {
  std::vector<std::string> out;
  for (const auto& r : reports_) out.push_back(r.text);
  return out;
}
