#pragma once
#include <functional>
#include <string>

// Message boxes raised by the data layer leave it through this one hook; the
// shell connects it to the toolkit's message box at start-up. Types are the
// message-box type bits: plain OK, or OK with the warning icon.
enum ReportType : unsigned { kReportOk = 0x0, kReportWarning = 0x30 };

using ReportHook = std::function<void(const std::string& text, const std::string& title, unsigned type)>;

// Installs the hook and returns the previous one. An empty hook restores the
// default, which writes the message to standard error.
ReportHook SetReportHook(ReportHook hook);

void Report(const std::string& text, const std::string& title, unsigned type = kReportOk);
