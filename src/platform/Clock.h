#pragma once
// Time through a seam, so that file names and headers that carry a time stamp
// can be tested with a fixed clock.

namespace platform {

struct DateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// Local time of the machine.
class SystemClock : public Clock {
 public:
  DateTime Now() const override;
};

// A clock that stands still (tests, golden files).
class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime t) : t_(t) {}
  DateTime Now() const override { return t_; }
  void Set(DateTime t) { t_ = t; }

 private:
  DateTime t_;
};

}  // namespace platform
