#pragma once

#include <string>

#include "stores/EditedRecord.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"

// Processing an inbox item: deciding what it becomes, and finding or making the record it
// becomes. The item records the decision; the records it becomes point back at it.

// What an item becomes.
enum class Outcome { NextAction, Project, Trash, Someday, Reference };

// The outcome the item's fields record: an actionable item is a next action or a project; one
// that is not goes to the someday/maybe list or the reference material when it is linked to
// such a record, else to the trash.
Outcome recorded_outcome(const InboxItem& item);

// The decision as the user leaves it when moving away from an item.
struct ProcessDecision {
  bool actionable = true;
  Outcome not_actionable = Outcome::Trash;  // Trash, Someday or Reference: used when not actionable
  bool processed = false;                   // processed completely: it leaves the inbox
};

// Completes the decision on the item and marks it changed. A processed item, and a trashed one
// whatever the user said, leaves the inbox; any other is being processed. Not actionable, the
// item keeps only the link of its choice, and trash keeps none.
void commit_decision(ZorvoInboxItemMgr& inbox, InboxItem& item, const ProcessDecision& decision);

// The records made from an item, looked up afresh each time: the first in store order that
// names the item as its source; for someday/maybe and reference records, first the one whose
// identifier the item holds.
Action* linked_action(const ZorvoActionMgr& actions, const InboxItem& item);
Project* linked_project(const ZorvoProjectMgr& projects, const InboxItem& item);
SomedayItem* linked_someday(const ZorvoSomedayMgr& someday, const InboxItem& item);
RefItem* linked_reference(const ZorvoRefMgr& refs, const InboxItem& item);

// What the item's Edit buttons hand to an editor: the linked record, or else a new one made
// for the item, which reaches its store only when the editor saves it. Choosing the next
// action or the project also records that choice in the item; a new someday/maybe or reference
// record is linked by its identifier at once, and stays linked when its editor is cancelled.
// Choosing the reference drops the someday/maybe link, which would otherwise take precedence.
RecordToEdit<Action> next_action_for(ZorvoActionMgr& actions, InboxItem& item);
RecordToEdit<Project> project_for(ZorvoProjectMgr& projects, InboxItem& item);
RecordToEdit<SomedayItem> someday_for(ZorvoSomedayMgr& someday, InboxItem& item);
RecordToEdit<RefItem> reference_for(ZorvoRefMgr& refs, InboxItem& item);

// The stores of the records an item can become.
struct ProcessingStores {
  ZorvoActionMgr& actions;
  ZorvoProjectMgr& projects;
  ZorvoSomedayMgr& someday;
  ZorvoRefMgr& refs;
};

// The description of the record the item became by `outcome`, as processing shows it: a next
// action or a project not made yet reads as one to create; a someday/maybe or reference record
// that is not there reads as nothing, and so does the trash.
std::string linked_description(const ProcessingStores& stores, const InboxItem& item,
                               Outcome outcome);
