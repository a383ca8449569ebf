#include "ui/ListCells.h"

#include "common/misc/CxDateTime.h"
#include "stores/ZorvoCtxMgr.h"
#include "ui/Ansi.h"

namespace cells {

QString one_line(std::string_view bytes) {
  QString text = from_ansi(bytes);
  if (bytes.find_first_of("\r\n") == std::string_view::npos) return text;
  text.replace("\r\n", " ");
  text.replace('\n', ' ');
  text.replace('\r', ' ');
  return text;
}

QString context_name(const ZorvoCtxMgr& contexts, int32_t context_id) {
  const Context* c = contexts.find(context_id);
  return c ? from_ansi(c->name.view()) : QString();
}

QString date_time(double value) {
  // Lists show thousands of these: straight into the text, without a second copy.
  CxDateTime split(value);
  if (!split.IsValid()) return QString::fromStdString(split.Format());
  const CxSystemTime& t = split.Fields();
  // "MM/DD/YYYY hh:mm:ss", the same text as format_date_time, digit by digit.
  QString text(19, Qt::Uninitialized);
  QChar* out = text.data();
  auto put = [&out](int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) out[i] = QChar('0' + value % 10);
    out += digits;
  };
  auto sep = [&out](char c) { *out++ = QChar(c); };
  put(t.wMonth, 2), sep('/'), put(t.wDay, 2), sep('/'), put(t.wYear, 4), sep(' ');
  put(t.wHour, 2), sep(':'), put(t.wMinute, 2), sep(':'), put(t.wSecond, 2);
  return text;
}

}  // namespace cells
