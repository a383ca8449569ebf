#pragma once

#include <QLabel>

// A label that acts as a link: blue and underlined unless told otherwise, a hand cursor, and a
// click signal. The keyboard reaches it too: it takes the focus with Tab and answers Enter and
// Space.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  enum class Look { Link, Plain };
  LinkLabel(const QString& text, const char* name, QWidget* parent, Look look = Look::Link);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A picture that acts as a link: a hand cursor and a click signal.
class PictureLink : public QLabel {
  Q_OBJECT

 public:
  PictureLink(const QPixmap& picture, const char* name, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
