#pragma once

#include <cstdint>

// Units of a reminder's lead (remind_unit of actions and someday/maybe items); any other value
// means no reminder.
constexpr int32_t kUnitMinutes = 1;
constexpr int32_t kUnitHours = 2;
constexpr int32_t kUnitDays = 3;
