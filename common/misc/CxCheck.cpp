#include "common/misc/CxCheck.h"

#include <cstdio>
#include <cstdlib>

void cx_fatal(const char* condition) {
  std::fprintf(stderr, "Vantrel Wizard: fatal error: %s\n", condition);
  std::fflush(stderr);
  std::abort();
}
