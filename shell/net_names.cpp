#include <cctype>

#include "shell/net_socket.h"

bool IsReservedInvalidName(std::string_view host) {
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);  // fully qualified form
  constexpr std::string_view kLabel = "invalid";
  if (host.size() < kLabel.size()) return false;
  const std::string_view last = host.substr(host.size() - kLabel.size());
  for (std::size_t i = 0; i < kLabel.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(last[i])) != kLabel[i]) return false;
  return host.size() == kLabel.size() || host[host.size() - kLabel.size() - 1] == '.';
}
