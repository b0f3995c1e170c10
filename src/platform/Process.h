#pragma once

namespace pipit {

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once: no further window events run, open files are
  // closed by the system, nothing else is saved.
  [[noreturn]] virtual void exitNow(int code) = 0;
};

}  // namespace pipit
