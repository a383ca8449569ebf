#include "ui/Home.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stores/OpenWork.h"
#include "ui/Ansi.h"
#include "ui/LinkLabel.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/Widgets.h"

TfmHome::TfmHome(Navigator& nav, const ZorvoInboxItemMgr& inbox, const ZorvoProjectMgr& projects,
                 const ZorvoActionMgr& actions)
    : TfmPage(nav, "TfmHome"), m_inbox(inbox), m_projects(projects), m_actions(actions) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xE7, 0xE7, 0xE7));
  setPalette(pal);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);

  auto stage = [this](const char* caption, const char* name, int page) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setMinimumSize(96, 30);
    b->setCursor(Qt::PointingHandCursor);
    connect(b, &QPushButton::clicked, this, [this, page] { m_nav.show_page(page, true); });
    return b;
  };
  auto link = [this](const QString& text, const char* name, int page) {
    auto* l = new LinkLabel(text, name, this);
    connect(l, &LinkLabel::clicked, this, [this, page] { m_nav.show_page(page, true); });
    return l;
  };

  auto* lblHome = named_label(
      "Master your work in five stages: Collect, Process, Organize, Review "
      "and Do.",
      "lblHome", this);
  QFont heading = bold;
  heading.setPointSizeF(bold.pointSizeF() * 1.25);
  lblHome->setFont(heading);

  QPushButton* btnCollect = stage("Collect", "btnCollect", kPageInbox);
  QPalette blue = btnCollect->palette();
  blue.setColor(QPalette::ButtonText, QColor(0, 0, 0xCC));
  btnCollect->setPalette(blue);
  QPushButton* btnProcess = stage("Process", "btnProcess", kPageProcess);
  QPushButton* btnOrganize = stage("Organize", "btnOrganize", kPageProcess);
  QPushButton* btnReview = stage("Review", "btnReview", kPageReview);
  QPushButton* btnDo = stage("Do", "btnDo", kPageActions);

  auto* stages = new QGridLayout;
  stages->setHorizontalSpacing(12);
  stages->setVerticalSpacing(10);
  stages->addWidget(btnCollect, 0, 0);
  stages->addWidget(
      named_label("everything that has your attention into the inbox.", "lblCollect", this), 0, 1);
  stages->addWidget(btnProcess, 1, 0);
  stages->addWidget(
      named_label("each item: decide what it is and what it takes.", "lblProcess", this), 1, 1);
  auto* organize_line = new QHBoxLayout;
  organize_line->setSpacing(8);
  organize_line->addWidget(named_label("actions by project and context,", "lblOrganize", this));
  organize_line->addWidget(btnReview);
  organize_line->addWidget(named_label("them every week, and then", "lblReview", this));
  organize_line->addWidget(btnDo);
  organize_line->addStretch();
  stages->addWidget(btnOrganize, 2, 0);
  stages->addLayout(organize_line, 2, 1);
  stages->setColumnStretch(1, 1);

  auto* pSep = new QFrame(this);
  pSep->setObjectName("pSep");
  pSep->setFrameShape(QFrame::HLine);
  pSep->setFrameShadow(QFrame::Sunken);
  pSep->setFixedHeight(2);

  lblInboxNum = link("0", "lblInboxNum", kPageInbox);
  lblNumProjects = link("0", "lblNumProjects", kPageReview);
  lblNumActions = link("0", "lblNumActions", kPageActions);
  lblCurAction = new LinkLabel("N/A", "lblCurAction", this);
  connect(lblCurAction, &LinkLabel::clicked, this, [this] { m_nav.open_running_action(); });

  auto* status = new QGridLayout;
  status->setHorizontalSpacing(14);
  status->setVerticalSpacing(8);
  status->setColumnMinimumWidth(0, 60);
  const struct {
    LinkLabel* number;
    const char* text_name;
    const char* text;
    const char* link_name;
    const char* link_text;
    int page;
  } rows[] = {
      {lblInboxNum, "Label1", "Items in the Inbox.", "Label5", "Process Now!", kPageInbox},
      {lblNumProjects, "Label2", "Projects were Organized.", "Label6", "Review Now!", kPageReview},
      {lblNumActions, "Label3", "Next Actions were Planned.", "Label7", "Do Now!", kPageActions},
  };
  int row = 0;
  for (const auto& r : rows) {
    r.number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->addWidget(r.number, row, 0);
    status->addWidget(named_label(r.text, r.text_name, this), row, 1);
    status->addWidget(link(r.link_text, r.link_name, r.page), row, 2);
    ++row;
  }
  status->addWidget(named_label("Current Action:", "Label4", this), row, 0, 1, 1, Qt::AlignRight);
  status->addWidget(lblCurAction, row, 1, 1, 3);
  status->setColumnStretch(3, 1);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(36, 22, 36, 18);
  page->setSpacing(14);
  page->addWidget(lblHome);
  page->addLayout(stages);
  page->addWidget(pSep);
  page->addWidget(named_label("Current Status :", "lblToday", this));
  page->addLayout(status);
  page->addStretch();
}

bool TfmHome::sync(bool commit) {
  if (commit) return true;
  const OpenWork work = count_open_work(m_inbox, m_projects, m_actions);
  lblInboxNum->setText(QString::number(work.waiting_items));
  lblNumProjects->setText(QString::number(work.open_projects));
  lblNumActions->setText(QString::number(work.open_actions));
  lblCurAction->setText(work.running ? from_ansi(work.running->name.view().substr(0, 255)) : "N/A");
  return true;
}
