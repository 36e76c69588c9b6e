#pragma once
// A data layer loaded in start-up order from the records-basic fixture.
#include <gtest/gtest.h>

#include "records/dex_data.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

class LoadedData : public testing::Test {
 protected:
  void SetUp() override {
    LoadTables();
    LoadIndex();
    LoadMoves();
    startup_reports = reports.all();
    reports.clear();
  }
  ReportCapture reports;
  TempWorkdir dir{"records-basic"};
  std::vector<Reported> startup_reports;
};
