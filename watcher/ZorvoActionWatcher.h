#pragma once

#include <QMenu>
#include <QPoint>
#include <QWidget>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class Navigator;
class ZorvoActionMgr;

// The small always-on-top window in the top-right corner that shows the running action and its
// running time, so the user sees the clock while working elsewhere. A thread of its own wakes
// once a second and has the window repainted; the painting itself, which reads the action
// store, runs on the user-interface thread. The window also carries the program's small menu,
// which the notification-area icon shows too.
class ZorvoActionWatcher : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 160;
  static constexpr int kDragStrip = 24;  // the top strip works as a title bar

  ZorvoActionWatcher(Navigator& nav, ZorvoActionMgr& actions);
  ~ZorvoActionWatcher() override;

  // Shows the window and starts the thread; true when the thread runs.
  bool start_watcher();
  // Stops the thread and waits for it; the window stays. Safe to call more than once.
  void stop_watcher();
  // Repaints at once; false when the window is not there.
  Q_INVOKABLE bool refresh();

  // The menu of the watcher and the notification-area icon; its first entry follows `visible`.
  QMenu* menu() { return &m_menu; }
  // Whether the user has the window shown (the menu's Hide/Show entry).
  bool user_visible() const { return m_visible; }
  // Hides the window when shown, shows it when hidden.
  void toggle_shown();

  // What the window shows.
  static QString title_text();
  QString name_text() const;
  QString time_text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void thread_main();
  void update_menu();

  Navigator& m_nav;
  ZorvoActionMgr& m_actions;
  QFont m_title_font;
  QFont m_text_font;
  QFont m_link_font;
  QMenu m_menu;
  QAction* m_toggle;
  bool m_visible = true;
  QPoint m_drag_offset;
  bool m_dragging = false;

  std::thread m_thread;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stop = false;
  std::atomic<bool> m_finished{false};
};
