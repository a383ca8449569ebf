#include "watcher/ZorvoActionWatcher.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <chrono>

#include "stores/ZorvoActionMgr.h"
#include "ui/Ansi.h"
#include "ui/Navigator.h"
#include "ui/Pictures.h"

namespace {

QFont verdana(bool bold, bool underline) {
  QFont f("Verdana");
  f.setPixelSize(11);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

}  // namespace

ZorvoActionWatcher::ZorvoActionWatcher(Navigator& nav, ZorvoActionMgr& actions)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      m_nav(nav),
      m_actions(actions),
      m_title_font(verdana(true, false)),
      m_text_font(verdana(false, false)),
      m_link_font(verdana(false, true)) {
  setObjectName("ZorvoActionWatcher");
  setWindowTitle("Vantrel Active Action");
  setWindowIcon(pictures::program_icon());
  setAttribute(Qt::WA_OpaquePaintEvent);  // the paint covers every pixel
  setAttribute(Qt::WA_ShowWithoutActivating);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(kWidth, kHeight);

  m_menu.setObjectName("pmWatcher");
  m_toggle = m_menu.addAction("Hide Action Watcher", this, [this] { toggle_shown(); });
  m_menu.addAction("Open Vantrel Wizard", this, [this] { m_nav.restore_main_window(); });
  m_menu.addSeparator();
  m_menu.addAction("Exit Vantrel Wizard", this, [this] { m_nav.request_exit(); });
  connect(&m_menu, &QMenu::aboutToShow, this, [this] { update_menu(); });
}

ZorvoActionWatcher::~ZorvoActionWatcher() {
  stop_watcher();
}

bool ZorvoActionWatcher::start_watcher() {
  QScreen* screen = QGuiApplication::primaryScreen();
  QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  move(desktop.x() + desktop.width() - kWidth - 1, desktop.y() + 40);
  show();
  m_thread = std::thread([this] { thread_main(); });
  return true;
}

void ZorvoActionWatcher::thread_main() {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (!m_wake.wait_for(lock, std::chrono::milliseconds(1000), [this] { return m_stop; })) {
    lock.unlock();
    // Waits until the user-interface thread has painted: the paint reads the action store,
    // which only that thread may touch. Called by name, the call is made and handed over by
    // Qt alone: nothing of this thread's making is read by the other.
    QMetaObject::invokeMethod(this, "refresh", Qt::BlockingQueuedConnection);
    lock.lock();
  }
  m_finished = true;
}

void ZorvoActionWatcher::stop_watcher() {
  if (!m_thread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  // The thread may be waiting for a repaint this thread has not run yet: run it, or the two
  // would wait for each other for ever.
  while (!m_finished) {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  m_thread.join();
}

bool ZorvoActionWatcher::refresh() {
  if (!isVisible()) return false;
  repaint();
  return true;
}

void ZorvoActionWatcher::toggle_shown() {
  setVisible(!m_visible);
  m_visible = !m_visible;
}

void ZorvoActionWatcher::update_menu() {
  m_toggle->setText(m_visible ? "Hide Action Watcher" : "Show Action Watcher");
}

QString ZorvoActionWatcher::title_text() {
  return "Vantrel Active Action";
}

QString ZorvoActionWatcher::name_text() const {
  const Action* a = m_actions.active_action();
  return a ? from_ansi(a->name.view().substr(0, 254)) : QString("None");
}

QString ZorvoActionWatcher::time_text() const {
  const Action* a = m_actions.active_action();
  int s = a ? a->spent_seconds : 0;
  return QString::asprintf("Running Time: %02d:%02d:%02d", s / 3600, s % 3600 / 60, s % 60);
}

void ZorvoActionWatcher::paintEvent(QPaintEvent*) {
  const int w = width();
  QPainter p(this);
  p.fillRect(rect(), QColor(255, 255, 160));
  p.setPen(QColor(0xC8, 0xC8, 0x80));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setFont(m_title_font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 10, w, 24), Qt::AlignCenter | Qt::TextSingleLine, title_text());
  p.setFont(m_link_font);
  p.setPen(QColor(0, 0, 192));
  p.drawText(QRect(10, 46, w - 30, 62), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             name_text());
  p.setFont(m_text_font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 120, w, 24), Qt::AlignCenter | Qt::TextSingleLine, time_text());
}

void ZorvoActionWatcher::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (event->position().y() < kDragStrip) {
    // The strip is the window's title bar: let the window system move it when it can.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    m_dragging = true;
    m_drag_offset = event->globalPosition().toPoint() - pos();
    return;
  }
  m_nav.open_running_action();
  m_nav.restore_main_window();
}

void ZorvoActionWatcher::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragging) move(event->globalPosition().toPoint() - m_drag_offset);
}

void ZorvoActionWatcher::mouseReleaseEvent(QMouseEvent*) {
  m_dragging = false;
}

void ZorvoActionWatcher::contextMenuEvent(QContextMenuEvent* event) {
  m_menu.popup(event->globalPos());
}
