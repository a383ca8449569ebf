#pragma once

// Programming errors (a missing buffer, a closed file, a broken list invariant) stop the
// program at once with the text of the failed condition: going on would corrupt data.
[[noreturn]] void cx_fatal(const char* condition);

inline void cx_check(bool ok, const char* condition) {
  if (!ok) cx_fatal(condition);
}
