#include "ui/PageTable.h"

#include "app/Apputil.h"
#include "ui/Action.h"
#include "ui/Alarm.h"
#include "ui/Context.h"
#include "ui/Home.h"
#include "ui/Inbox.h"
#include "ui/Oneaction.h"
#include "ui/Onecontext.h"
#include "ui/Oneitem.h"
#include "ui/Oneproject.h"
#include "ui/Oneref.h"
#include "ui/Onesomeday.h"
#include "ui/Option.h"
#include "ui/PageIds.h"
#include "ui/Plan.h"
#include "ui/Ref.h"
#include "ui/Review.h"
#include "ui/Someday.h"
#include "ui/Tool.h"

std::vector<PageSlot> standard_pages() {
  return {
      {kPageHome,
       [](Navigator& n, Globals& g) { return new TfmHome(n, g.inbox, g.projects, g.actions); }},
      {kPageInbox, [](Navigator& n, Globals& g) { return new TfmInbox(n, g.inbox, g.settings); }},
      {kPageProcess,
       [](Navigator& n, Globals& g) {
         return new TfmPlan(n, g.inbox, {g.actions, g.projects, g.someday, g.refs});
       }},
      {kPageReview, [](Navigator& n,
                       Globals& g) { return new TfmReview(n, g.projects, g.actions, g.settings); }},
      {kPageActions,
       [](Navigator& n, Globals& g) {
         return new TfmAction(n, g.actions, g.projects, g.contexts, g.settings);
       }},
      {kPageTools, [](Navigator& n, Globals&) { return new TfmTool(n); }},
      {kPageOneItem, [](Navigator& n, Globals& g) { return new TfmOneItem(n, g.inbox); }},
      {kPageOneAction,
       [](Navigator& n, Globals& g) {
         return new TfmOneAction(n, g.actions, g.contexts, g.alarms);
       }},
      {kPageOneProject,
       [](Navigator& n, Globals& g) { return new TfmOneProject(n, g.projects, g.actions); }},
      {kPageOptions, [](Navigator& n, Globals& g) { return new TfmOption(n, g.settings); }},
      {kPageContexts,
       [](Navigator& n, Globals& g) { return new TfmContext(n, g.contexts, g.settings); }},
      {kPageOneContext, [](Navigator& n, Globals& g) { return new TfmOneContext(n, g.contexts); }},
      {kPageSomeday,
       [](Navigator& n, Globals& g) {
         return new TfmSomeday(n, g.someday, g.contexts, g.settings);
       }},
      {kPageOneSomeday,
       [](Navigator& n, Globals& g) { return new TfmOneSomeday(n, g.someday, g.alarms); }},
      {kPageRef,
       [](Navigator& n, Globals& g) { return new TfmRef(n, g.refs, g.contexts, g.settings); }},
      {kPageOneRef, [](Navigator& n, Globals& g) { return new TfmOneRef(n, g.refs); }},
      {kPageAlarm, [](Navigator& n, Globals& g) { return new TfmAlarm(n, g.alarms); }},
  };
}
