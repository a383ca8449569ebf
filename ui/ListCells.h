#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

class ZorvoCtxMgr;

// Cell texts of the list pages.
namespace cells {

// A stored text on one line: line breaks become blanks.
QString one_line(std::string_view bytes);
// The name of the context with that identifier, or an empty text when there is none.
QString context_name(const ZorvoCtxMgr& contexts, int32_t context_id);
// The date-and-time text of a value.
QString date_time(double value);

}  // namespace cells
