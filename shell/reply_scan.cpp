#include "shell/reply_scan.h"

namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

  void SkipSpace() {
    while (!rest_.empty() && IsCSpace(rest_.front())) rest_.remove_prefix(1);
  }

  bool Literal(std::string_view expected) {
    if (!rest_.starts_with(expected)) return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

  bool Unsigned(std::uint32_t& out) {
    SkipSpace();
    std::string_view p = rest_;
    bool negative = false;
    if (!p.empty() && (p.front() == '+' || p.front() == '-')) {
      negative = p.front() == '-';
      p.remove_prefix(1);
    }
    if (p.empty() || !IsDigit(p.front())) return false;
    std::uint32_t value = 0;  // unsigned arithmetic wraps, never overflows
    for (; !p.empty() && IsDigit(p.front()); p.remove_prefix(1))
      value = value * 10u + static_cast<std::uint32_t>(p.front() - '0');
    out = negative ? 0u - value : value;
    rest_ = p;
    return true;
  }

  bool Word(std::string& out) {
    SkipSpace();
    std::size_t n = 0;
    while (n < rest_.size() && !IsCSpace(rest_[n])) ++n;
    if (n == 0) return false;
    out.assign(rest_.substr(0, n));
    rest_.remove_prefix(n);
    return true;
  }

 private:
  std::string_view rest_;
};

void ScanStatus(std::string_view line, std::string_view version, StatusLine& status) {
  Scanner s(line);
  if (!s.Literal(version)) return;
  s.SkipSpace();
  if (!s.Unsigned(status.code)) return;
  s.SkipSpace();
  s.Word(status.reason);
}

}  // namespace

StatusLine ScanStatusLine(std::string_view line) {
  StatusLine status;
  ScanStatus(line, "HTTP/1.0", status);
  if (status.code == 0) ScanStatus(line, "HTTP/1.1", status);
  return status;
}

int ScanVersionBody(std::string_view text, VersionBody& body) {
  Scanner s(text);
  std::uint32_t number = 0;
  if (!s.Unsigned(number)) return 0;
  body.newest_executable = static_cast<std::int32_t>(number);  // modular since C++20
  s.SkipSpace();
  if (!s.Unsigned(number)) return 1;
  body.data_version = static_cast<std::int32_t>(number);
  s.SkipSpace();
  if (!s.Word(body.third_word)) return 2;
  s.SkipSpace();
  return s.Word(body.fourth_word) ? 4 : 3;
}
