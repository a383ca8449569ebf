#include "ui/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, const char* name, QWidget* parent, Look look)
    : QLabel(text, parent) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  if (look == Look::Link) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 0xCC));
    setPalette(p);
  }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

PictureLink::PictureLink(const QPixmap& picture, const char* name, QWidget* parent)
    : QLabel(parent) {
  setObjectName(name);
  setPixmap(picture);
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
}

void PictureLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}
