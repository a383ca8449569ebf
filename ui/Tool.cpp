#include "ui/Tool.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/LinkLabel.h"
#include "ui/Navigator.h"
#include "ui/PageIds.h"
#include "ui/Pictures.h"

TfmTool::TfmTool(Navigator& nav) : TfmPage(nav, "TfmTool") {
  using pictures::Tool;
  const struct {
    Tool picture;
    const char* button;
    const char* label;
    const char* caption;
    int32_t page;
  } links[] = {
      {Tool::Options, "btnOption", "lblOption", "Set Zorvo Wizard Options", kPageOptions},
      {Tool::Contexts, "btnContext", "lblContext", "Edit Zorvo Contexts", kPageContexts},
      {Tool::Someday, "btnSomeday", "lblSomeday", "View Someday/Maybe List", kPageSomeday},
      {Tool::Reference, "btnRef", "lblRef", "View Reference List", kPageRef},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(18);
  int row = 0;
  for (const auto& l : links) {
    auto* button = new QToolButton(this);
    button->setObjectName(l.button);
    button->setIcon(pictures::tool(l.picture));
    button->setIconSize(QSize(40, 40));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    auto* label = new LinkLabel(l.caption, l.label, this);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    label->setFont(bold);
    const int32_t page = l.page;
    auto go = [this, page] { m_nav.show_page(page, true); };
    connect(button, &QToolButton::clicked, this, go);
    connect(label, &LinkLabel::clicked, this, go);
    grid->addWidget(button, row, 0);
    grid->addWidget(label, row, 1);
    ++row;
  }
  grid->setColumnStretch(2, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(60, 36, 36, 20);
  page->addLayout(grid);
  page->addStretch();
}
