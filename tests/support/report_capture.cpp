#include "support/report_capture.h"

#include "records/dex_data.h"

std::ostream& operator<<(std::ostream& out, const Reported& r) {
  return out << "{\"" << r.text << "\", \"" << r.title << "\", " << r.type << "}";
}

ReportCapture::ReportCapture() {
  ResetData();
  previous_ = SetReportHook([this](const std::string& text, const std::string& title, unsigned type) {
    reports_.push_back({text, title, type});
  });
}

ReportCapture::~ReportCapture() {
  SetReportHook(previous_);
  ResetData();
}

std::vector<std::string> ReportCapture::texts() const {
  std::vector<std::string> out;
  for (const auto& r : reports_) out.push_back(r.text);
  return out;
}
