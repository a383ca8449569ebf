#include "app/Apputil.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <variant>

#include "app/StoreLoader.h"
#include "common/misc/WinUtil.h"

namespace {

struct SettingKey {
  const char* key;
  std::variant<bool Settings::*, int32_t Settings::*> member;
};

// The settings file's keys, in the order they are read and written.
constexpr SettingKey kSettingKeys[] = {
    {"ToWelcome", &Settings::ToWelcome},
    {"SaveToOL", &Settings::SaveToOL},
    {"SaveToPD", &Settings::SaveToPD},
    {"StartLast", &Settings::StartLast},
    {"LastID", &Settings::LastID},
    {"ShowCompleted", &Settings::ShowCompleted},
    {"ShowColor", &Settings::ShowColor},
    {"HighColor", &Settings::HighColor},
    {"NormalColor", &Settings::NormalColor},
    {"LowColor", &Settings::LowColor},
    {"CompletedColor", &Settings::CompletedColor},
    {"OverDueColor", &Settings::OverDueColor},
    {"ActiveColor", &Settings::ActiveColor},
    {"ShowActionMode", &Settings::ShowActionMode},
    {"ShowActionProjectID", &Settings::ShowActionProjectID},
    {"ShowActionContextID", &Settings::ShowActionContextID},
    {"AlertDeletion", &Settings::AlertDeletion},
    {"AlertNotSaved", &Settings::AlertNotSaved},
    {"AutoSave", &Settings::AutoSave},
    {"AutoSaveInterval", &Settings::AutoSaveInterval},
};

bool make_folder(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directory(path, ec);
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

void load_settings(const CxIniUtil& ini, Settings& settings) {
  const Settings defaults;
  for (const SettingKey& k : kSettingKeys) {
    if (auto* b = std::get_if<bool Settings::*>(&k.member))
      settings.*(*b) = ini.GetBool(kSettingsSection, k.key, defaults.*(*b));
    else if (auto* i = std::get_if<int32_t Settings::*>(&k.member))
      settings.*(*i) = ini.GetInt(kSettingsSection, k.key, defaults.*(*i));
  }
  // A period below one minute cannot be counted off: use the default one. One above the
  // longest offered is taken as that: the timer counts the period in seconds.
  if (settings.AutoSaveInterval < 1) settings.AutoSaveInterval = defaults.AutoSaveInterval;
  settings.AutoSaveInterval = std::min(settings.AutoSaveInterval, kLongestAutoSaveInterval);
}

bool save_settings(CxIniUtil& ini, const Settings& settings) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const SettingKey& k : kSettingKeys) {
    int32_t v = 0;
    if (auto* b = std::get_if<bool Settings::*>(&k.member))
      v = settings.*(*b) ? 1 : 0;
    else if (auto* i = std::get_if<int32_t Settings::*>(&k.member))
      v = settings.*(*i);
    values.emplace_back(k.key, std::to_string(v));
  }
  return ini.WriteAll(kSettingsSection, values);
}

bool data_folder(std::string& path) {
  std::string folder;
  if (!platform::common_data_folder(folder)) return false;
  const char sep = platform::path_separator();
  while (folder.size() > 1 && (folder.back() == sep || folder.back() == '/')) folder.pop_back();
  for (const char* sub : {"morvane", "Zorvo-Wizard"}) {
    folder += sep;
    folder += sub;
    if (!make_folder(folder)) return false;
  }
  path = folder + sep;
  return true;
}

Globals::Globals() : ini("", kSettingsFile), alarms(actions, someday) {}

void Globals::use_folder(const std::string& folder) {
  this->folder = folder;
  ini.SetFile(folder + kSettingsFile);
  inbox.set_folder(folder);
  contexts.set_folder(folder);
  projects.set_folder(folder);
  actions.set_folder(folder);
  someday.set_folder(folder);
  refs.set_folder(folder);
}

void load_all_stores(Globals& g) {
  StoreLoader(g.folder).hand_over(g);
}

std::string describe(const SaveFailure& failure) {
  return failure.file + ": " + failure.reason;
}

std::vector<SaveFailure> save_all_stores(Globals& g) {
  std::vector<SaveFailure> failed;
  auto save = [&failed](auto& store) {
    if (!store.save_if_dirty()) failed.push_back({store.default_path(), store.save_failure()});
  };
  save(g.inbox);
  save(g.contexts);
  save(g.projects);
  save(g.actions);
  save(g.someday);
  save(g.refs);
  return failed;
}

std::vector<SaveFailure> save_stores_and_settings(Globals& g) {
  std::vector<SaveFailure> failed = save_all_stores(g);
  if (!save_settings(g.ini, g.settings))
    failed.push_back({g.ini.File(), cx_error_text(g.ini.write_error())});
  return failed;
}
