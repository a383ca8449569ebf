#include "ui/TimeStamps.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/ListCells.h"
#include "ui/Widgets.h"

TimeStamps::TimeStamps(QWidget* parent) : QFrame(parent) {
  setObjectName("pTime");
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  lblCreateTime = named_label("", "lblCreateTime", this);
  lblUpdateTime = named_label("", "lblUpdateTime", this);
  auto* inside = new QHBoxLayout(this);
  inside->setContentsMargins(10, 6, 10, 6);
  inside->setSpacing(8);
  inside->addWidget(named_label("Created:", "Label7", this));
  inside->addWidget(lblCreateTime);
  inside->addSpacing(30);
  inside->addWidget(named_label("Last Modified:", "Label8", this));
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
