#pragma once

#include "stores/ZorvoCtxMgr.h"
#include "ui/RecordEditor.h"

// The editor of one context: its name and notes.
class TfmOneContext : public TfmRecordEditor<ZorvoCtxMgr> {
  Q_OBJECT

 public:
  TfmOneContext(Navigator& nav, ZorvoCtxMgr& contexts);
};
