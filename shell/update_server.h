#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Where the update check asks, how long it waits for a silent server, and
// how long and how much it reads at most: a server that sends without end,
// or a byte now and then, cannot keep the check alive. The reply is small.
struct UpdateServer {
  std::string host;
  std::uint16_t port = 80;
  std::chrono::milliseconds timeout{30000};
  std::chrono::milliseconds deadline{60000};  // for the whole reply
  std::size_t max_bytes = 64 * 1024;
};

// The update server built into the program: host name from the build
// settings, port 80.
UpdateServer ShippedUpdateServer();

// The web address named in the new-version message (a build setting).
const char* UpdateSiteAddress();

// One complete exchange with the given server, on the calling thread.
void RunUpdateCheck(const UpdateServer& server);

// Tests only: makes CheckForUpdate ask another server (ResetProgramState
// restores the shipped one). Set before the check starts; users have no way to reach it.
void RedirectUpdateCheckForTests(std::optional<UpdateServer> server);
