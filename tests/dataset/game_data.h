#pragma once
// The shared game data folder the tests read their models from at run time:
// FAUNARY_GAMEDATA, else ../shared/gamedata beside the repository.
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::filesystem::path GameData() {
  const char* given = std::getenv("FAUNARY_GAMEDATA");
  return given ? std::filesystem::path(given)
               : std::filesystem::path(FAUNARY_REPO_DIR).parent_path() / "shared" / "gamedata";
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Lower-case letters and digits only: "Faint Attack" and "FAINT ATTACK" compare equal.
inline std::string NameKey(const std::string& name) {
  std::string key;
  for (const char c : name)
    if (std::isalnum(static_cast<unsigned char>(c))) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}
