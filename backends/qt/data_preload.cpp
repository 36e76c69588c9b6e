#include "backends/qt/data_preload.h"

#include <system_error>

#include "records/report.h"
#include "app/startup.h"

namespace qttk {

DataPreload::DataPreload() {
  // Only the worker touches held_ until Finish joins it.
  SetReportHook([this](const std::string& text, const std::string& title, unsigned type) {
    held_.push_back({text, title, type});
  });
  try {
    worker_ = std::thread(LoadProgramData);
  } catch (const std::system_error&) {
    LoadProgramData();
  }
}

void DataPreload::Finish() {
  if (worker_.joinable()) worker_.join();
  ConnectReportsToMessageBoxes();
  for (const Held& message : held_) Report(message.text, message.title, message.type);
  held_.clear();
}

DataPreload::~DataPreload() {
  if (worker_.joinable()) worker_.join();
}

}  // namespace qttk
