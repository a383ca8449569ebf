#pragma once

#include <memory>
#include <vector>

#include "app/Apputil.h"
#include "ui/PageTable.h"

class SingleInstance;
class TerminationSignals;
class TfmMain;

// One run of the program: the global objects, then the main window and what keeps the run
// safe (one copy per data folder, saving at session end and on termination signals).
// Destruction runs the other way: the window goes before the stores it shows.
class Program {
 public:
  explicit Program(std::vector<PageSlot> pages = standard_pages());
  ~Program();

  // Starts the program. False when it does not run: another copy already runs on this data
  // folder (that copy was asked to come forward, and nothing here touched a file), or the
  // folder cannot be used (the user was told why and what to do).
  bool start();
  // What the process ends with: 0, or 1 when the program could not start on its data folder
  // or its exit left files unsaved.
  int exit_code() const;

  Globals& globals() { return m_g; }
  TfmMain* main_window() { return m_main.get(); }

 private:
  // A note of what the last exit could not save, shown once.
  void tell_unsaved_at_last_exit();

  Globals m_g;
  int m_exit_code = 0;
  std::vector<PageSlot> m_pages;
  std::unique_ptr<SingleInstance> m_instance;
  std::unique_ptr<TfmMain> m_main;
  std::unique_ptr<TerminationSignals> m_signals;
};
