#include "app/Program.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>

#include "app/Main.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "watcher/ZorvoActionWatcher.h"

Program::Program(std::vector<PageSlot> pages) : m_pages(std::move(pages)) {}

Program::~Program() {
  m_signals.reset();
  m_main.reset();
}

bool Program::start() {
  // Caught from the very start: a signal that comes before the window exists waits in the
  // pipe until the window can end the program properly.
  m_signals = std::make_unique<TerminationSignals>();
  std::string folder;
  if (data_folder(folder)) {
    m_instance = std::make_unique<SingleInstance>(QString::fromStdString(folder));
    if (!m_instance->acquire()) {
      m_instance->wake_running_copy();
      return false;
    }
    m_g.use_folder(folder);
  }
  m_main = std::make_unique<TfmMain>(m_g, m_pages);
  if (m_instance)
    QObject::connect(m_instance.get(), &SingleInstance::woken, m_main.get(),
                     &TfmMain::restore_main_window);
  QObject::connect(m_signals.get(), &TerminationSignals::received, m_main.get(),
                   &TfmMain::exit_without_questions);
  QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, m_main.get(),
                   [this](QSessionManager&) { m_main->save_at_session_end(); });
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = m_main->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    m_main->move(r.topLeft());
  }
  m_main->show();
  return true;
}
