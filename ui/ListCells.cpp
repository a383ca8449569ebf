#include "ui/ListCells.h"

#include "app/Apputil.h"
#include "common/misc/CxDateTime.h"
#include "ui/Ansi.h"

namespace cells {

QString one_line(std::string_view bytes) {
  QString text = from_ansi(bytes);
  text.replace("\r\n", " ");
  text.replace('\n', ' ');
  text.replace('\r', ' ');
  return text;
}

QString context_name(Globals& g, int32_t context_id) {
  const Context* c = g.contexts.find(context_id);
  return c ? from_ansi(c->name.view()) : QString();
}

QString date_time(double value) { return QString::fromStdString(format_date_time(value)); }

}  // namespace cells
