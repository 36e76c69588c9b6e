#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// Where the update check asks, and how long it waits for a silent server.
struct UpdateServer {
  std::string host;
  std::uint16_t port = 80;
  std::chrono::milliseconds timeout{30000};
};

// The update server built into the program: host name from the build
// settings, port 80.
UpdateServer ShippedUpdateServer();

// The web address named in the new-version message (a build setting).
const char* UpdateSiteAddress();

// One complete exchange with the given server, on the calling thread.
void RunUpdateCheck(const UpdateServer& server);

// Tests only: makes CheckForUpdate ask another server (nothing restores the
// shipped one). Set before the check starts; users have no way to reach it.
void RedirectUpdateCheckForTests(std::optional<UpdateServer> server);
