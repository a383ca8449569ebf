#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/ZorvoFormMgr.h"
#include "ui/Navigator.h"
#include "ui/PageTable.h"

class QPushButton;
class QSystemTrayIcon;
class TfmPage;
class ZorvoActionWatcher;
struct Globals;

// The program's one window: a row of navigation pictures, the page area that shows one page
// at a time, and a bar with Back, Forward, the web-site link and Exit. It owns the pages, the
// page history, the one-second timer, the notification-area icon and the action watcher, and it
// is the navigator through which the pages and the watcher reach each other.
class TfmMain : public QWidget, public Navigator {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 846;
  static constexpr int kClientHeight = 594;

  // Runs the start-up: the stores are read on a thread of their own while the settings are read
  // and the pages built; then the history, the watcher, the tray icon and the Home page.
  TfmMain(Globals& globals, const std::vector<PageSlot>& pages = standard_pages());
  ~TfmMain() override;

  void show_page(int32_t page_id, bool commit) override;
  // None also once the pages are gone.
  TfmPage* page_by_id(int32_t page_id) const override;
  void update_nav_buttons();
  ZorvoFormMgr& history() { return *m_history; }

  void restore_main_window() override;
  // The next close runs the exit sequence.
  void request_exit() override;
  void open_running_action() override;
  // Brings up the reminders page when a reminder is due.
  void check_reminders();
  // The one-second timer's work.
  void tmMainTimer();
  // The session ends (logout, shutdown): save what changed, with nobody to ask.
  void save_at_session_end();
  // A termination signal: the normal exit, saving what can be saved, with nobody to ask.
  void exit_without_questions();

  // Whether the last save of the exit (or of the session's end) left files unsaved.
  bool unsaved_at_exit() const { return m_unsaved; }
  uint32_t tick_count() const { return m_tick_count; }
  bool exit_requested() const { return m_exit_requested; }
  ZorvoActionWatcher* watcher() const { return m_watcher.get(); }
  QSystemTrayIcon* tray_icon() const { return m_tray; }

 signals:
  // The exit sequence has run; the program ends.
  void ended();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void wrong_page(int32_t page_id, const char* wanted) override;

 private:
  void build_window();
  void add_tray_icon();
  // Saves every changed store and the settings; with `may_ask`, a failure asks whether to
  // try again, to exit anyway or to stay; without, it is noted for the next start. False: the
  // user chose to stay.
  bool save_for_exit(bool may_ask);
  void destroy_pages();

  Globals& m_g;
  std::vector<std::pair<int32_t, TfmPage*>> m_pages;  // in their order of creation
  std::unique_ptr<ZorvoFormMgr> m_history;
  QWidget* pMain = nullptr;
  QPushButton* btnBack = nullptr;
  QPushButton* btnForward = nullptr;
  QTimer tmMain;
  uint32_t m_tick_count = 0;
  bool m_exit_requested = false;
  bool m_may_ask = true;
  bool m_ended = false;
  bool m_unsaved = false;
  std::unique_ptr<ZorvoActionWatcher> m_watcher;
  QSystemTrayIcon* m_tray = nullptr;
};
