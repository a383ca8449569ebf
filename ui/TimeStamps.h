#pragma once

#include <QFrame>

class QLabel;

// The sunken panel `pTime` with a record's creation and last change times.
class TimeStamps : public QFrame {
  Q_OBJECT

 public:
  explicit TimeStamps(QWidget* parent);

  void show_times(double created, double modified);
  void clear();

 private:
  QLabel* lblCreateTime;
  QLabel* lblUpdateTime;
};
