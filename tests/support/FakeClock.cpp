#include "support/FakeClock.h"

#include "common/misc/CxDateTime.h"

FakeClock::FakeClock(double moment) { set(moment); }

FakeClock::~FakeClock() { set_now_for_testing(std::nullopt); }

void FakeClock::set(double moment) {
  m_moment = moment;
  set_now_for_testing(moment);
}

void FakeClock::advance_seconds(double seconds) { set(m_moment + seconds / 86400.0); }
