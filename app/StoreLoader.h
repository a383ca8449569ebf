#pragma once

#include <memory>
#include <string>
#include <thread>

struct Globals;

// Reads the six store files on a thread of its own, so that the main window and its pages can
// be built meanwhile. The loader works on stores of its own; nothing else sees them until
// hand_over moves their records into the program's stores.
class StoreLoader {
 public:
  // Starts reading the store files in `folder` (with its trailing separator; empty: the bare
  // file names).
  explicit StoreLoader(const std::string& folder);
  ~StoreLoader();
  StoreLoader(const StoreLoader&) = delete;
  StoreLoader& operator=(const StoreLoader&) = delete;

  // Waits for the reading to end, then does what loading every store does: each store of `g`
  // gets the records read from its file (damaged files copied aside, the default contexts on a
  // first start), and without StartLast the running action is paused without marking the store
  // changed.
  void hand_over(Globals& g);

 private:
  struct Loaded;
  std::unique_ptr<Loaded> m_loaded;
  std::thread m_thread;
};
