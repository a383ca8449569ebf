#pragma once

#include <QFrame>

#include "app/Apputil.h"
#include "ui/Page.h"

class QCheckBox;
class QSpinBox;

// A small rectangle painted in a colour setting; a click opens the colour dialog on it.
class ColorPanel : public QFrame {
  Q_OBJECT

 public:
  ColorPanel(const char* name, int32_t& setting, bool hand_cursor, QWidget* parent);
  // Paints the panel in its setting's colour.
  void show_setting();
  QColor color() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void choose();

  int32_t& m_setting;
  QColor m_color;
};

// The user's preferences: colours, alerts, start-up and auto-save. A chosen colour is in force
// at once; the other options are taken over when the page is left with a page button.
class TfmOption : public TfmPage {
  Q_OBJECT

 public:
  TfmOption(Navigator& nav, Settings& settings);
  bool sync(bool commit) override;

 private:
  QCheckBox* cbShowColor;
  QCheckBox* cbStartLast;
  QCheckBox* cbAlertDeletion;
  QCheckBox* cbAlertNotSaved;
  QCheckBox* cbAutoSave;
  QSpinBox* edtAutoSaveInterval;
  std::vector<ColorPanel*> m_panels;
  Settings& m_settings;
};
