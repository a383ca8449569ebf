#include "ui/ContextList.h"

#include <QComboBox>

#include "stores/ZorvoCtxMgr.h"
#include "ui/Ansi.h"

void fill_context_list(QComboBox* list, const ZorvoCtxMgr& contexts, int32_t chosen_id) {
  list->clear();
  list->addItem("Not Specified", 0);
  int chosen = 0;
  for (const Context* c : contexts.records()) {
    if (c->id == chosen_id) chosen = list->count();
    list->addItem(from_ansi(c->name.view()), c->id);
  }
  list->setCurrentIndex(chosen);
}

int32_t chosen_context(const QComboBox* list) {
  return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}
