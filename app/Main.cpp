#include "app/Main.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "app/Apputil.h"
#include "app/LocalSite.h"
#include "app/StoreLoader.h"
#include "app/UnsavedNote.h"
#include "ui/LinkLabel.h"
#include "ui/Page.h"
#include "ui/PageIds.h"
#include "ui/Pictures.h"
#include "ui/Prompts.h"
#include "watcher/ZorvoActionWatcher.h"

namespace {

constexpr int kNavHeight = 127;
constexpr int kBottomHeight = 60;

}  // namespace

TfmMain::TfmMain(Globals& globals, const std::vector<PageSlot>& pages)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_g(globals) {
  // The stores are read meanwhile, from the very start; nothing touches them until they are
  // handed over, before the first page is filled.
  StoreLoader loader(m_g.folder);
  setObjectName("TfmMain");
  setWindowTitle("Vantrel Wizard - Get Your Work Done, One Step at a Time");
  setWindowIcon(pictures::program_icon());
  build_window();

  load_settings(m_g.ini, m_g.settings);
  for (const PageSlot& slot : pages) {
    TfmPage* page = slot.make(*this, m_g);
    page->setParent(pMain);
    pMain->layout()->addWidget(page);
    page->hide();
    m_pages.emplace_back(slot.page_id, page);
  }
  m_history = std::make_unique<ZorvoFormMgr>();
  loader.hand_over(m_g);
  m_watcher = std::make_unique<ZorvoActionWatcher>(*this, m_g.actions);
  m_watcher->start_watcher();
  add_tray_icon();
  show_page(kPageHome, true);

  tmMain.setParent(this);  // found by name among the window's children
  tmMain.setObjectName("tmMain");
  tmMain.setInterval(1000);
  connect(&tmMain, &QTimer::timeout, this, &TfmMain::tmMainTimer);
  tmMain.start();
}

TfmMain::~TfmMain() {
  // However the window ends, what changed is saved.
  if (!m_ended) {
    save_for_exit(false);
    if (m_watcher) m_watcher->stop_watcher();
    destroy_pages();
  }
  delete m_tray;
}

void TfmMain::build_window() {
  setFixedSize(kClientWidth, kClientHeight);

  auto* pTop = new QWidget(this);
  pTop->setObjectName("pTop");
  pTop->setFixedHeight(kNavHeight);
  pTop->setAutoFillBackground(true);
  QPalette white = pTop->palette();
  white.setColor(QPalette::Window, Qt::white);
  pTop->setPalette(white);
  auto* nav = new QHBoxLayout(pTop);
  nav->setContentsMargins(14, 10, 14, 8);
  nav->setSpacing(6);

  using pictures::Nav;
  const struct {
    Nav picture;
    const char* img;
    const char* lbl;
    const char* caption;
    int page;         // a page to show, or
    const char* url;  // a web page to open
  } destinations[] = {
      {Nav::Home, "imgHome", "lblHome", "Home", kPageHome, nullptr},
      {Nav::Inbox, "imgInbox", "lblInbox", "Inbox", kPageInbox, nullptr},
      {Nav::Process, "imgPlan", "lblPlan", "Process", kPageProcess, nullptr},
      {Nav::Review, "imgReview", "lblReview", "Review", kPageReview, nullptr},
      {Nav::Actions, "imgAction", "lblAction", "Actions", kPageActions, nullptr},
      {Nav::Tools, "imgTools", "lblTools", "Tools", kPageTools, nullptr},
      {Nav::Help, "imgHelp", "lblHelp", "Help", 0, "/zorvo-wizard/help.html"},
      {Nav::Resources, "imgResource", "lblResource", "More Resources", 0, "/resource.html"},
  };
  QFont bold_underlined = font();
  bold_underlined.setBold(true);
  bold_underlined.setUnderline(true);
  for (const auto& d : destinations) {
    if (d.picture == Nav::Resources) nav->addStretch();
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    auto* img = new PictureLink(pictures::navigation(d.picture), d.img, pTop);
    auto* lbl = new LinkLabel(d.caption, d.lbl, pTop, LinkLabel::Look::Plain);
    lbl->setFont(bold_underlined);
    lbl->setAlignment(Qt::AlignHCenter);
    column->addWidget(img);
    column->addWidget(lbl);
    auto go = [this, page = d.page, url = d.url] {
      if (url)
        open_document(local_site_page(url));
      else
        show_page(page, true);
    };
    connect(img, &PictureLink::clicked, this, go);
    connect(lbl, &LinkLabel::clicked, this, go);
    auto* cell = new QWidget(pTop);
    cell->setLayout(column);
    cell->setMinimumWidth(78);
    nav->addWidget(cell);
  }

  pMain = new QWidget(this);
  pMain->setObjectName("pMain");
  auto* stack = new QGridLayout(pMain);
  stack->setContentsMargins(0, 0, 0, 0);

  auto* pBottom = new QWidget(this);
  pBottom->setObjectName("pBottom");
  pBottom->setFixedHeight(kBottomHeight);
  auto* bar = new QHBoxLayout(pBottom);
  bar->setContentsMargins(16, 10, 16, 10);
  bar->setSpacing(10);
  btnBack = new QPushButton("<  Back", pBottom);
  btnBack->setObjectName("btnBack");
  btnForward = new QPushButton("Forward  >", pBottom);
  btnForward->setObjectName("btnForward");
  auto* lblHomePage = new LinkLabel("Visit Vantrel Wizard Home Page", "lblHomePage", pBottom);
  auto* btnExit = new QPushButton("E&xit", pBottom);
  btnExit->setObjectName("btnExit");
  for (QPushButton* b : {btnBack, btnForward, btnExit}) b->setMinimumSize(96, 30);
  bar->addWidget(btnBack);
  bar->addWidget(btnForward);
  bar->addStretch();
  bar->addWidget(lblHomePage);
  bar->addStretch();
  bar->addWidget(btnExit);
  connect(btnBack, &QPushButton::clicked, this, [this] {
    m_history->go_back();
    update_nav_buttons();
  });
  connect(btnForward, &QPushButton::clicked, this, [this] {
    m_history->go_forward();
    update_nav_buttons();
  });
  connect(lblHomePage, &LinkLabel::clicked, this,
          [] { open_document(local_site_page("/zorvo-wizard/index.html")); });
  connect(btnExit, &QPushButton::clicked, this, &TfmMain::request_exit);

  auto* separator = new QFrame(this);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->setSpacing(0);
  window->addWidget(pTop);
  window->addWidget(separator);
  window->addWidget(pMain, 1);
  window->addWidget(pBottom);
}

void TfmMain::add_tray_icon() {
  if (!m_watcher || !QSystemTrayIcon::isSystemTrayAvailable()) return;
  m_tray = new QSystemTrayIcon(pictures::program_icon());
  m_tray->setObjectName("trayIcon");
  m_tray->setToolTip("Vantrel Wizard");
  m_tray->setContextMenu(m_watcher->menu());
  connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
    if (r == QSystemTrayIcon::DoubleClick) restore_main_window();
  });
  m_tray->show();
}

TfmPage* TfmMain::page_by_id(int32_t page_id) const {
  for (const auto& [id, page] : m_pages)
    if (id == page_id) return page;
  return nullptr;
}

void TfmMain::show_page(int32_t page_id, bool commit) {
  if (!m_history) return;  // the exit sequence has run
  if (commit) {
    TfmPage* current = page_by_id(m_history->current_page_id());
    if (current && !current->sync(true)) return;
  }
  TfmPage* target = page_by_id(page_id);
  if (!target || target == m_history->current_page()) return;
  target->sync(false);
  m_history->record_visit(page_id, target);
  m_history->show_entry(page_id, target);
  update_nav_buttons();
}

void TfmMain::update_nav_buttons() {
  if (!m_history) return;
  btnBack->setEnabled(m_history->can_go_back());
  btnForward->setEnabled(m_history->can_go_forward());
}

void TfmMain::restore_main_window() {
  showNormal();
  activateWindow();
  raise();
}

void TfmMain::request_exit() {
  m_exit_requested = true;
  close();
}

void TfmMain::open_running_action() {
  activateWindow();
  raise();
  Action* running = m_g.actions.active_action();
  if (!running) {
    show_page(kPageActions, true);
    return;
  }
  if (!m_history || m_history->current_page_id() != kPageOneAction) {
    open_editor(kPageOneAction, running, kPageActions);
    return;
  }
  // The editor shows another action: commit its input into that action first, then show the
  // running one in it.
  auto* editor = page_as<EditsRecord<Action>>(kPageOneAction);
  TfmPage* page = page_by_id(kPageOneAction);
  if (!editor || !page->sync(true)) return;
  editor->edit(running, kPageActions);
  page->sync(false);
}

void TfmMain::check_reminders() {
  if (!m_history || m_g.alarms.due_count() == 0) return;
  // While the reminders page is up it keeps the page it goes back to; it must not be told to
  // go back to itself.
  auto* alarms = page_as<ReturnsToPage>(kPageAlarm);
  if (alarms && m_history->current_page_id() != kPageAlarm)
    alarms->set_return_page(m_history->current_page_id());
  show_page(kPageAlarm, true);
  restore_main_window();
}

void TfmMain::wrong_page(int32_t page_id, const char* wanted) {
  if (!m_history) return;  // the pages are gone: nothing is asked of them any more
  qCritical("Vantrel Wizard: page %d was asked for what it does not do (%s)", page_id, wanted);
}

void TfmMain::tmMainTimer() {
  ++m_tick_count;
  const Settings& s = m_g.settings;
  if (s.AutoSave && m_tick_count % (static_cast<uint32_t>(s.AutoSaveInterval) * 60u) == 0)
    save_all_stores(m_g);  // a failure is retried at the next period and at exit
  if (m_tick_count % 60 == 0) {
    m_g.alarms.collect_action_reminders();
    m_g.alarms.collect_someday_reminders();
    check_reminders();
  }
  m_g.actions.count_second();
}

void TfmMain::save_at_session_end() {
  note_unsaved_at_exit(m_g.folder, save_stores_and_settings(m_g));
}

void TfmMain::exit_without_questions() {
  m_may_ask = false;
  request_exit();
}

bool TfmMain::save_for_exit(bool may_ask) {
  for (;;) {
    std::vector<SaveFailure> failed = save_stores_and_settings(m_g);
    m_unsaved = !failed.empty();
    // Who is asked learns of it here; only an exit with nobody to ask leaves a note.
    note_unsaved_at_exit(m_g.folder, may_ask ? std::vector<SaveFailure>{} : failed);
    if (failed.empty() || !may_ask) return true;
    QString text = "Vantrel Wizard could not save these files:\n";
    for (const SaveFailure& f : failed) text += "\n" + QString::fromStdString(describe(f));
    text +=
        "\n\nChoose Retry to try again, Exit Without Saving to lose the changes that were not "
        "saved, or Cancel to keep Vantrel Wizard running.";
    int answer = prompts().message(this, "Error", text, Prompts::Icon::Error,
                                   Prompts::Retry | Prompts::Discard | Prompts::Cancel);
    if (answer == Prompts::Discard) return true;
    if (answer != Prompts::Retry) return false;
  }
}

void TfmMain::closeEvent(QCloseEvent* event) {
  if (!m_exit_requested) {
    // Closing only puts the program away; it keeps running. Without a notification area the
    // window is minimised instead, so there is always a way back to it.
    event->ignore();
    if (m_tray) {
      showMinimized();
      hide();
    } else {
      showMinimized();
    }
    return;
  }
  if (m_tray) m_tray->hide();
  if (!save_for_exit(m_may_ask)) {
    m_exit_requested = false;
    if (m_tray) m_tray->show();
    event->ignore();
    return;
  }
  m_ended = true;
  tmMain.stop();
  m_watcher->stop_watcher();
  m_watcher->hide();
  destroy_pages();
  event->accept();
  emit ended();
}

void TfmMain::destroy_pages() {
  for (auto& [id, page] : m_pages) delete page;
  m_pages.clear();
  m_history.reset();
}
