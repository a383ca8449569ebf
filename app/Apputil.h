#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/misc/CxIniUtil.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoAlarmMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"

constexpr const char* kSettingsFile = "morvane.ini";
constexpr const char* kSettingsSection = "Zorvo-Wizard";

// The user's preferences, read once at start-up and written once at exit. Colours are
// 0x00BBGGRR values, red in the low byte.
struct Settings {
  bool ToWelcome = false;
  bool SaveToOL = false;
  bool SaveToPD = false;
  bool StartLast = true;
  int32_t LastID = 0;
  bool ShowCompleted = false;
  bool ShowColor = true;
  int32_t HighColor = 255;
  int32_t NormalColor = 0;
  int32_t LowColor = 32768;
  int32_t CompletedColor = 8421504;
  int32_t OverDueColor = 255;
  int32_t ActiveColor = 16711680;
  int32_t ShowActionMode = 1;
  int32_t ShowActionProjectID = 0;
  int32_t ShowActionContextID = 0;
  bool AlertDeletion = true;
  bool AlertNotSaved = true;
  bool AutoSave = true;
  int32_t AutoSaveInterval = 5;  // minutes, 1 to kLongestAutoSaveInterval

  bool operator==(const Settings&) const = default;
};

// The longest auto-save period offered, in minutes.
constexpr int32_t kLongestAutoSaveInterval = 120;

void load_settings(const CxIniUtil& ini, Settings& settings);
bool save_settings(CxIniUtil& ini, const Settings& settings);

// The program's data folder, "morvane/Zorvo-Wizard/" below the machine's common data folder,
// created when missing, with a trailing separator. False, leaving `path` as it was, when the
// platform gives no folder or a folder cannot be made.
bool data_folder(std::string& path);

// The objects that live as long as the program, in their order of construction (destruction
// runs the other way, so the scheduler goes before the stores it refers to).
struct Globals {
  Globals();

  // Puts the settings file and every store file into `folder`, given with its trailing
  // separator. Without it they stay beside the program (settings) and in the working folder
  // (stores).
  void use_folder(const std::string& folder);

  std::string folder;  // where the store files are; empty: the bare file names
  CxIniUtil ini;
  ZorvoInboxItemMgr inbox;
  ZorvoCtxMgr contexts;
  ZorvoProjectMgr projects;
  ZorvoActionMgr actions;
  ZorvoSomedayMgr someday;
  ZorvoRefMgr refs;
  ZorvoAlarmMgr alarms;
  Settings settings;
};

// A file that could not be written, and why.
struct SaveFailure {
  std::string file;
  std::string reason;
  bool operator==(const SaveFailure&) const = default;
};
// "<file>: <reason>", as the user is told.
std::string describe(const SaveFailure& failure);

// Loads every store; without StartLast a running action is paused (the store stays clean).
// Start-up does the same with the reading on a thread of its own (StoreLoader).
void load_all_stores(Globals& g);
// Saves every changed store; the files that could not be written.
std::vector<SaveFailure> save_all_stores(Globals& g);
// The saving half of the exit: the stores, then the settings. The files that could not be
// written.
std::vector<SaveFailure> save_stores_and_settings(Globals& g);
