#pragma once
// The native program reads its data on a worker thread while Qt starts (the
// platform plugin, fonts, style): the data layer needs nothing of Qt. Messages
// the load raises are held and shown once Qt is up, in the order they were
// raised, before anything else of the start-up, as if the load had run there.
#include <string>
#include <thread>
#include <vector>

namespace qttk {

class DataPreload {
 public:
  // Starts LoadProgramData on a thread of its own, or runs it at once when no
  // thread can be started.
  DataPreload();
  // Waits for the load and shows its messages (no owner: there is no main
  // window yet). Call it once, with Qt running, before the rest of start-up.
  void Finish();
  ~DataPreload();
  DataPreload(const DataPreload&) = delete;
  DataPreload& operator=(const DataPreload&) = delete;

 private:
  struct Held {
    std::string text;
    std::string title;
    unsigned type;
  };
  std::vector<Held> held_;
  std::thread worker_;
};

}  // namespace qttk
