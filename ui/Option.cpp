#include "ui/Option.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Apputil.h"
#include "ui/Prompts.h"
#include "ui/Widgets.h"

namespace {

QCheckBox* check_box(const QString& caption, const char* name, QWidget* parent) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  return c;
}

}  // namespace

ColorPanel::ColorPanel(const char* name, int32_t& setting, bool hand_cursor, QWidget* parent)
    : QFrame(parent), m_setting(setting) {
  setObjectName(name);
  setFixedSize(72, 22);
  setFrameShape(QFrame::Box);
  setFocusPolicy(Qt::TabFocus);
  if (hand_cursor) setCursor(Qt::PointingHandCursor);
  show_setting();
}

void ColorPanel::show_setting() {
  m_color = color_from_setting(m_setting);
  update();
}

QColor ColorPanel::color() const {
  return m_color;
}

void ColorPanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(rect(), m_color);
  p.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(0x80, 0x80, 0x80));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFrame::paintEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) choose();
}

void ColorPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter)
    choose();
  else
    QFrame::keyPressEvent(event);
}

void ColorPanel::choose() {
  std::optional<QColor> chosen = prompts().choose_color(this, m_color);
  if (!chosen) return;
  m_setting = setting_from_color(*chosen);
  show_setting();
}

TfmOption::TfmOption(Navigator& nav, Settings& settings)
    : TfmPage(nav, "TfmOption"), m_settings(settings) {
  Settings& s = m_settings;
  QLabel* Label1 = page_heading("Set Vantrel Wizard Options:", "Label1", this);

  auto* colors = new QGroupBox(this);
  cbShowColor = check_box("Show Projects / Actions in Different Colors", "cbShowColor", colors);
  const struct {
    const char* label_name;
    const char* caption;
    const char* panel_name;
    int32_t Settings::*setting;
  } panels[] = {
      {"Label2", "High Priority:", "pHighColor", &Settings::HighColor},
      {"Label3", "Normal Priority:", "pNormalColor", &Settings::NormalColor},
      {"Label4", "Low Priority:", "pLowColor", &Settings::LowColor},
      {"Label5", "Running:", "pRunColor", &Settings::ActiveColor},
      {"Label6", "Over Due:", "pOverdueColor", &Settings::OverDueColor},
      {"Label7", "Completed:", "pCompleteColor", &Settings::CompletedColor},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(10);
  int i = 0;
  for (const auto& p : panels) {
    const bool hand = std::string_view(p.panel_name) != "pCompleteColor";
    auto* panel = new ColorPanel(p.panel_name, s.*(p.setting), hand, colors);
    m_panels.push_back(panel);
    grid->addWidget(named_label(p.caption, p.label_name, colors), i / 3, (i % 3) * 3);
    grid->addWidget(panel, i / 3, (i % 3) * 3 + 1);
    grid->setColumnMinimumWidth((i % 3) * 3 + 2, 24);
    ++i;
  }
  auto* inside = new QVBoxLayout(colors);
  inside->setContentsMargins(14, 8, 14, 12);
  inside->setSpacing(10);
  inside->addWidget(cbShowColor);
  inside->addLayout(grid);

  cbStartLast =
      check_box("Start last running action when application starting.", "cbStartLast", this);
  cbAlertDeletion = check_box("Alert me before deleting information.", "cbAlertDeletion", this);
  cbAlertNotSaved = check_box("Alert me if information is not saved.", "cbAlertNotSaved", this);
  cbAutoSave = check_box("Enable Auto Save", "cbAutoSave", this);
  edtAutoSaveInterval = new QSpinBox(this);
  edtAutoSaveInterval->setObjectName("edtAutoSaveInterval");
  edtAutoSaveInterval->setRange(1, 120);
  edtAutoSaveInterval->setSingleStep(1);
  auto* interval = new QHBoxLayout;
  interval->setContentsMargins(24, 0, 0, 0);
  interval->addWidget(named_label("Perform Autosave Every ", "Label8", this));
  interval->addWidget(edtAutoSaveInterval);
  interval->addWidget(named_label("minutes.", "Label9", this));
  interval->addStretch();

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(18, 14, 18, 14);
  page->setSpacing(9);
  page->addWidget(Label1);
  page->addWidget(colors);
  page->addWidget(cbStartLast);
  page->addWidget(cbAlertDeletion);
  page->addWidget(cbAlertNotSaved);
  page->addWidget(cbAutoSave);
  page->addLayout(interval);
  page->addStretch();
}

bool TfmOption::sync(bool commit) {
  Settings& s = m_settings;
  if (commit) {
    s.ShowColor = cbShowColor->isChecked();
    s.StartLast = cbStartLast->isChecked();
    s.AlertDeletion = cbAlertDeletion->isChecked();
    s.AlertNotSaved = cbAlertNotSaved->isChecked();
    s.AutoSave = cbAutoSave->isChecked();
    s.AutoSaveInterval = edtAutoSaveInterval->value();
    return true;
  }
  cbShowColor->setChecked(s.ShowColor);
  for (ColorPanel* p : m_panels) p->show_setting();
  cbStartLast->setChecked(s.StartLast);
  cbAlertDeletion->setChecked(s.AlertDeletion);
  cbAlertNotSaved->setChecked(s.AlertNotSaved);
  cbAutoSave->setChecked(s.AutoSave);
  // Enabled by the state of the check box at the time the page is shown, not at every tick.
  edtAutoSaveInterval->setEnabled(cbAutoSave->isChecked());
  edtAutoSaveInterval->setValue(s.AutoSaveInterval);
  return true;
}
