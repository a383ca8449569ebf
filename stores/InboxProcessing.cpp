#include "stores/InboxProcessing.h"

namespace {

template <class Store>
typename Store::Record* first_from(const Store& store, const InboxItem& item) {
  for (auto* r : store.records())
    if (r->source_item_id == item.id) return r;
  return nullptr;
}

template <class Store>
typename Store::Record* found_or_first_from(const Store& store, int32_t id, const InboxItem& item) {
  if (auto* r = store.find(id)) return r;
  return first_from(store, item);
}

// The linked record, or a new one from the store that names the item as its source.
template <class Store>
RecordToEdit<typename Store::Record> or_new_from(Store& store, typename Store::Record* linked,
                                                 const InboxItem& item) {
  if (linked) return linked;
  auto fresh = store.create();
  if (fresh) fresh->source_item_id = item.id;
  return fresh;
}

// The linked record, or a new one whose identifier the item keeps in `link` from now on.
template <class Store>
RecordToEdit<typename Store::Record> or_new_linked_by(Store& store, typename Store::Record* linked,
                                                      int32_t& link) {
  if (linked) return linked;
  auto fresh = store.create();
  if (fresh) link = fresh->id;
  return fresh;
}

}  // namespace

Outcome recorded_outcome(const InboxItem& item) {
  if (item.actionable != 0) return item.is_project == 1 ? Outcome::Project : Outcome::NextAction;
  if (item.someday_id != 0) return Outcome::Someday;
  if (item.reference_id != 0) return Outcome::Reference;
  return Outcome::Trash;
}

void commit_decision(ZorvoInboxItemMgr& inbox, InboxItem& item, const ProcessDecision& decision) {
  item.process_status = decision.processed ? kProcessed : kProcessing;
  if (!decision.actionable) {
    switch (decision.not_actionable) {
      case Outcome::Someday:
        item.trashed = 0;
        item.reference_id = 0;
        break;
      case Outcome::Reference:
        item.trashed = 0;
        item.someday_id = 0;
        break;
      default:
        item.trashed = 1;
        item.someday_id = 0;
        item.reference_id = 0;
        item.process_status = kProcessed;
        break;
    }
  }
  inbox.touch(&item);
}

Action* linked_action(const ZorvoActionMgr& actions, const InboxItem& item) {
  return first_from(actions, item);
}

Project* linked_project(const ZorvoProjectMgr& projects, const InboxItem& item) {
  return first_from(projects, item);
}

SomedayItem* linked_someday(const ZorvoSomedayMgr& someday, const InboxItem& item) {
  return found_or_first_from(someday, item.someday_id, item);
}

RefItem* linked_reference(const ZorvoRefMgr& refs, const InboxItem& item) {
  return found_or_first_from(refs, item.reference_id, item);
}

RecordToEdit<Action> next_action_for(ZorvoActionMgr& actions, InboxItem& item) {
  item.is_project = 0;
  return or_new_from(actions, linked_action(actions, item), item);
}

RecordToEdit<Project> project_for(ZorvoProjectMgr& projects, InboxItem& item) {
  item.is_project = 1;
  return or_new_from(projects, linked_project(projects, item), item);
}

RecordToEdit<SomedayItem> someday_for(ZorvoSomedayMgr& someday, InboxItem& item) {
  return or_new_linked_by(someday, linked_someday(someday, item), item.someday_id);
}

RecordToEdit<RefItem> reference_for(ZorvoRefMgr& refs, InboxItem& item) {
  // An item that still named a someday/maybe record would show as one when the reference
  // editor returns, and leaving it so would undo the choice: the reference is its link now.
  RecordToEdit<RefItem> ref =
      or_new_linked_by(refs, linked_reference(refs, item), item.reference_id);
  item.someday_id = 0;
  return ref;
}

std::string linked_description(const ProcessingStores& stores, const InboxItem& item,
                               Outcome outcome) {
  auto name_of = [](const auto* record, const char* missing) {
    return std::string(record ? record->name.view() : missing);
  };
  switch (outcome) {
    case Outcome::NextAction:
      return name_of(linked_action(stores.actions, item), "<Create New Action>");
    case Outcome::Project:
      return name_of(linked_project(stores.projects, item), "<Create New Project>");
    case Outcome::Someday:
      return name_of(linked_someday(stores.someday, item), "");
    case Outcome::Reference:
      return name_of(linked_reference(stores.refs, item), "");
    default:
      return {};
  }
}
