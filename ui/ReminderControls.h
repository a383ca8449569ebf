#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QSpinBox;
class QWidget;

// The reminder of a record, on one row: the switch "Remind me ", the lead (0 to 360) and its
// unit (minutes, hours or days), then a label that says before what. The lead and the unit can
// be used only while the switch is ticked and itself enabled; the rule runs on every change of
// the switch, also while a record loads.
class ReminderControls : public QObject {
  Q_OBJECT

 public:
  ReminderControls(const char* label_name, const QString& label_text, QWidget* parent);

  QHBoxLayout* row() const { return m_row; }
  // Shows a record's reminder: a unit other than hours and days shows as minutes.
  void show_reminder(int32_t remind, int32_t lead, int32_t unit);
  bool ticked() const;
  int32_t lead() const;
  // The chosen unit; 0 when none is chosen.
  int32_t unit() const;
  // Enables the switch, and with it (when ticked) the lead and the unit.
  void set_enabled(bool enabled);
  void clear();

  QCheckBox* const cbRemind;
  QSpinBox* const edtAlarmInterval;
  QComboBox* const cbAlarmUnit;

 private:
  void apply_rule();

  QHBoxLayout* m_row;
};
