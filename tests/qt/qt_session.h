#pragma once
// Runs the session scripts of tests/wine against the program in this very
// process, on the Qt backend: `start` runs the real start-up and message
// loop, and the steps run from a timer on the window thread, which keeps
// firing inside modal dialogs and message boxes. Actions are posted, so a
// click that opens a dialog does not hold up the steps that work it.
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "scenario.h"

class QtSession {
 public:
  QtSession(std::vector<Step> steps, std::string output_dir);
  // Runs every step; true when all passed. Prints each step as it goes.
  bool Run();

 private:
  using Args = std::vector<std::string>;
  enum class Outcome { kDone, kWait };
  struct Result {
    Outcome outcome = Outcome::kDone;
    std::string failure;  // non-empty: the session fails
  };

  void Tick();
  Result Execute(const Step& step);
  void Post(std::function<void()> action);
  QWidget* Control(QWidget* parent, int id) const;
  QWidget* MainControl(const std::string& id) const;

  std::vector<Step> steps_;
  std::string output_dir_;
  std::size_t next_ = 0;
  bool step_started_ = false;
  bool acted_ = false;  // the step's action is posted (steps that act, then wait)
  int pending_actions_ = 0;
  QElapsedTimer step_clock_, start_clock_;
  qint64 timeout_ms_ = 30000;
  QTimer timer_;
  bool passed_ = false;
  bool finished_ = false;
  bool running_program_ = false;
  int exit_code_ = -1;
  QPointer<QWidget> main_, dialog_;
};
