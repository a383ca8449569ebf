#include "app/Program.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>

#include "app/Main.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "app/UnsavedNote.h"
#include "common/misc/CxFile.h"
#include "ui/Prompts.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

// Why the program cannot start on `folder`, and what the user can do about it.
QString unusable_folder_text(const QString& folder, const SingleInstance& instance,
                             SingleInstance::Lock lock) {
  QString text = "Vantrel Wizard cannot use its data folder:\n\n" + folder + "\n\n";
  if (lock == SingleInstance::Lock::HeldElsewhere)
    return text + "The file " + instance.lock_file() +
           " there keeps it locked, but no copy of Vantrel Wizard answers. If a copy is "
           "running, end it; otherwise delete that file. Then start Vantrel Wizard again.";
  return text + "It cannot create the file " + instance.lock_file() +
         " there, which keeps a second copy of Vantrel Wizard from overwriting this one's "
         "files. Make sure that you may write in the folder and that its disk is not full, "
         "then start Vantrel Wizard again.";
}

}  // namespace

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
    SingleInstance::Lock lock = m_instance->acquire();
    if (lock != SingleInstance::Lock::Acquired) {
      if (lock == SingleInstance::Lock::HeldElsewhere && m_instance->wake_running_copy())
        return false;
      prompts().message(nullptr, "Error",
                        unusable_folder_text(QString::fromStdString(folder), *m_instance, lock),
                        Prompts::Icon::Error, Prompts::Ok);
      m_exit_code = 1;
      return false;
    }
    // No other copy saves here now: what a save that was cut short left behind can go.
    CxFile::remove_leftovers(folder);
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
  tell_unsaved_at_last_exit();
  return true;
}

int Program::exit_code() const {
  return m_exit_code != 0 || (m_main && m_main->unsaved_at_exit()) ? 1 : 0;
}

void Program::tell_unsaved_at_last_exit() {
  std::vector<std::string> unsaved = take_unsaved_note(m_g.folder);
  if (unsaved.empty()) return;
  QString text = "When Vantrel Wizard last ended, it could not save these files:\n";
  for (const std::string& line : unsaved) text += "\n" + QString::fromStdString(line);
  text +=
      "\n\nThey hold what was saved before; the changes made after that were lost. Check the "
      "files and the space left on their disk.";
  prompts().message(m_main.get(), "Error", text, Prompts::Icon::Error, Prompts::Ok);
}
