#pragma once

#include <QTimer>
#include <memory>

#include "support/ProgramFixture.h"

// The whole program for the do stage's tests: the main timer is stopped, so a test counts the
// running action's seconds itself, and actions and projects are stored as an editor stores them
// (each with an identifier of its own).
class DoStageFixture : public ExitingProgramFixture {
 protected:
  void SetUp() override {
    start();
    control<QTimer>("tmMain")->stop();
  }

  Action* add(const char* name, int32_t status = kStatusNotStarted, int32_t type = kTypeAsap,
              int32_t project = 0, int32_t context = 0) {
    return store(g().actions, [&](Action& a) {
      a.name = name;
      a.status = status;
      a.action_type = type;
      a.project_id = project;
      a.context_id = context;
    });
  }
  Project* add_project(const char* name, int32_t status) {
    return store(g().projects, [&](Project& p) {
      p.name = name;
      p.status = status;
    });
  }

 private:
  template <class Store, class Fill>
  typename Store::Record* store(Store& s, Fill fill) {
    auto r = s.create();
    fill(*r);
    auto* stored = s.add_copy(r.get());
    s.discard(std::move(r));
    return stored;
  }
};
