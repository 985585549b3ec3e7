#pragma once
// The time of day, injectable so that time stamps are testable.

#include <string>

namespace quenchel {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
 public:
  LocalDateTime Now() const override;
};

// A clock that shows a set time until it is moved.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalDateTime now) : now_(now) {}
  LocalDateTime Now() const override { return now_; }
  void Set(LocalDateTime now) { now_ = now; }

 private:
  LocalDateTime now_;
};

// "dd/mm/yyyy", whatever the machine's locale.
std::string FormatDate(const LocalDateTime& when);
// "dd/mm/yyyy hh:mm:ss".
std::string FormatDateTime(const LocalDateTime& when);

}  // namespace quenchel
