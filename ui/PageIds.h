#pragma once

#include <cstdint>

// Every page of the main window has one identifier.
enum PageId : int32_t {
  kPageHome = 1000,
  kPageInbox = 1001,
  kPageProcess = 1002,
  kPageReview = 1003,
  kPageActions = 1004,
  kPageOneAction = 1005,
  kPageTools = 1006,
  kPageOneItem = 1007,
  kPageOneProject = 1008,
  kPageContexts = 1009,
  kPageOptions = 1010,
  kPageOneContext = 1011,
  // 1012 names no page.
  kPageSomeday = 1013,
  kPageOneSomeday = 1014,
  kPageRef = 1015,
  kPageOneRef = 1016,
  kPageAlarm = 1017,
};
