#pragma once

#include <cstdint>

class QComboBox;
class ZorvoCtxMgr;

// Fills a drop-down list with "Not Specified" (no context) and then every context in store order,
// and selects the context `chosen_id`, or "Not Specified" when no context has it.
void fill_context_list(QComboBox* list, const ZorvoCtxMgr& contexts, int32_t chosen_id);
// The identifier of the context chosen in such a list; 0 for "Not Specified" or no choice.
int32_t chosen_context(const QComboBox* list);
