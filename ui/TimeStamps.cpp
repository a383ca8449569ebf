#include "ui/TimeStamps.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/ListCells.h"

namespace {

QLabel* label(const QString& text, const char* name, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

}  // namespace

TimeStamps::TimeStamps(QWidget* parent) : QFrame(parent) {
  setObjectName("pTime");
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  lblCreateTime = label("", "lblCreateTime", this);
  lblUpdateTime = label("", "lblUpdateTime", this);
  auto* inside = new QHBoxLayout(this);
  inside->setContentsMargins(10, 6, 10, 6);
  inside->setSpacing(8);
  inside->addWidget(label("Created:", "Label7", this));
  inside->addWidget(lblCreateTime);
  inside->addSpacing(30);
  inside->addWidget(label("Last Modified:", "Label8", this));
  inside->addWidget(lblUpdateTime);
  inside->addStretch();
}

void TimeStamps::show_times(double created, double modified) {
  lblCreateTime->setText(cells::date_time(created));
  lblUpdateTime->setText(cells::date_time(modified));
}

void TimeStamps::clear() {
  lblCreateTime->clear();
  lblUpdateTime->clear();
}
