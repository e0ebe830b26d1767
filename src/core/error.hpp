// The one error type of the toolkit: a fatal stop with a message and an exit status.
// It is thrown where the fault is found and caught in main, which prints the message
// on standard error and ends the program with the status.
#pragma once
#include <stdexcept>
#include <string>

namespace vm {

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message, int status = 2)
      : std::runtime_error(message), status_(status) {}
  int status() const { return status_; }

 private:
  int status_;
};

[[noreturn]] inline void fail(const std::string& message, int status = 2) {
  throw Failure(message, status);
}

}  // namespace vm
