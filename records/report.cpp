#include "records/report.h"

#include <cstdio>
#include <utility>

namespace {
void WriteToStderr(const std::string& text, const std::string& title, unsigned) {
  std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
}

ReportHook& CurrentHook() {
  static ReportHook hook = WriteToStderr;
  return hook;
}
}  // namespace

ReportHook SetReportHook(ReportHook hook) {
  if (!hook) hook = WriteToStderr;
  return std::exchange(CurrentHook(), std::move(hook));
}

void Report(const std::string& text, const std::string& title, unsigned type) {
  CurrentHook()(text, title, type);
}
