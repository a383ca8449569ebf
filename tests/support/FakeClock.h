#pragma once

// Holds the program's clock at a chosen moment for as long as it lives.
class FakeClock {
 public:
  explicit FakeClock(double moment);
  ~FakeClock();
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  void set(double moment);
  void advance_seconds(double seconds);
  double moment() const { return m_moment; }

 private:
  double m_moment;
};
