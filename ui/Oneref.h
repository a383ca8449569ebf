#pragma once

#include "stores/ZorvoRefMgr.h"
#include "ui/RecordEditor.h"

// The editor of one reference item: its description and notes, and when it was made and
// changed.
class TfmOneRef : public TfmRecordEditor<ZorvoRefMgr> {
  Q_OBJECT

 public:
  TfmOneRef(Navigator& nav, ZorvoRefMgr& refs);
};
