#include "ui/Pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

// Paints on a transparent square in a 48-unit coordinate system, whatever the size, with as
// many device pixels as the screen has for each, so that pictures stay sharp when the desktop
// scales the program up.
template <class Draw>
QPixmap paint(int size, Draw draw) {
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap pm(QSize(size, size) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 48.0, size / 48.0);
  draw(p);
  return pm;
}

QBrush shade(QColor top, QColor bottom) {
  QLinearGradient g(0, 0, 0, 48);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

void disc(QPainter& p, QColor a, QColor b) {
  p.setPen(QPen(b.darker(130), 1.5));
  p.setBrush(shade(a, b));
  p.drawEllipse(QRectF(3, 3, 42, 42));
}

void home(QPainter& p) {
  p.setPen(QPen(QColor(0x8A, 0x3B, 0x12), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(shade(QColor(0xF0, 0x6A, 0x2E), QColor(0xB8, 0x40, 0x10)));
  p.drawPolygon(QPolygonF({QPointF(4, 24), QPointF(24, 6), QPointF(44, 24)}));
  p.setPen(QPen(QColor(0x6B, 0x55, 0x3A), 1.5));
  p.setBrush(shade(QColor(0xFF, 0xF4, 0xDC), QColor(0xE8, 0xD5, 0xAE)));
  p.drawRect(QRectF(10, 23, 28, 20));
  p.setBrush(QColor(0x5B, 0x8C, 0xD6));
  p.drawRect(QRectF(15, 28, 7, 7));
  p.setBrush(QColor(0x9A, 0x5B, 0x2A));
  p.drawRect(QRectF(26, 29, 8, 14));
}

void inbox(QPainter& p) {
  p.setPen(QPen(QColor(0x1E, 0x4F, 0x8F), 1.5));
  p.setBrush(shade(QColor(0x8C, 0xC4, 0xFF), QColor(0x3A, 0x7B, 0xD5)));
  QPainterPath tray;
  tray.moveTo(4, 26);
  tray.lineTo(12, 10);
  tray.lineTo(36, 10);
  tray.lineTo(44, 26);
  tray.lineTo(44, 42);
  tray.lineTo(4, 42);
  tray.closeSubpath();
  p.drawPath(tray);
  p.setBrush(QColor(0xE9, 0xF3, 0xFF));
  QPainterPath slot;
  slot.moveTo(8, 27);
  slot.lineTo(17, 27);
  slot.lineTo(20, 32);
  slot.lineTo(28, 32);
  slot.lineTo(31, 27);
  slot.lineTo(40, 27);
  slot.lineTo(40, 38);
  slot.lineTo(8, 38);
  slot.closeSubpath();
  p.drawPath(slot);
  p.setPen(QPen(QColor(0x1B, 0x9E, 0x3E), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(24, 4), QPointF(24, 22));
  p.drawPolyline(QPolygonF({QPointF(18, 16), QPointF(24, 22), QPointF(30, 16)}));
}

void process(QPainter& p) {
  disc(p, QColor(0xFF, 0xD8, 0x6B), QColor(0xE0, 0x9A, 0x10));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7A, 0x4A, 0x00));
  QPainterPath funnel;
  funnel.moveTo(12, 13);
  funnel.lineTo(36, 13);
  funnel.lineTo(27, 25);
  funnel.lineTo(27, 35);
  funnel.lineTo(21, 38);
  funnel.lineTo(21, 25);
  funnel.closeSubpath();
  p.drawPath(funnel);
}

void review(QPainter& p) {
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
  p.setBrush(shade(Qt::white, QColor(0xE4, 0xE4, 0xE4)));
  p.drawRoundedRect(QRectF(6, 4, 28, 36), 3, 3);
  p.setPen(QPen(QColor(0x88, 0x88, 0x88), 2));
  for (int y = 12; y <= 28; y += 6) p.drawLine(QPointF(11, y), QPointF(29, y));
  p.setPen(QPen(QColor(0x2F, 0x5D, 0x9A), 3));
  p.setBrush(QColor(0xCF, 0xE6, 0xFF, 200));
  p.drawEllipse(QRectF(20, 20, 16, 16));
  p.setPen(QPen(QColor(0x2F, 0x5D, 0x9A), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(34, 34), QPointF(43, 43));
}

void actions(QPainter& p) {
  disc(p, QColor(0x7F, 0xE0, 0x8C), QColor(0x22, 0x9A, 0x3A));
  p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(14, 25), QPointF(21, 32), QPointF(35, 16)}));
}

void tools(QPainter& p) {
  p.translate(24, 24);
  p.rotate(45);
  p.setPen(QPen(QColor(0x44, 0x44, 0x50), 1.5));
  p.setBrush(shade(QColor(0xD8, 0xDC, 0xE6), QColor(0x88, 0x8E, 0x9C)));
  p.drawRoundedRect(QRectF(-4, -6, 8, 26), 3, 3);
  QPainterPath head;
  head.addEllipse(QRectF(-11, -22, 22, 22));
  QPainterPath notch;
  notch.addRect(QRectF(-4, -24, 8, 11));
  p.drawPath(head.subtracted(notch));
  p.setBrush(QColor(0xC8, 0x3C, 0x2A));
  p.drawRoundedRect(QRectF(-5, 6, 10, 17), 3, 3);
}

void help(QPainter& p) {
  disc(p, QColor(0x86, 0xB8, 0xFF), QColor(0x2A, 0x62, 0xC8));
  QFont f("Sans Serif");
  f.setPixelSize(30);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(3, 3, 42, 42), Qt::AlignCenter, "?");
}

void resources(QPainter& p) {
  const QColor covers[] = {QColor(0xC0, 0x39, 0x2B), QColor(0x29, 0x80, 0xB9),
                           QColor(0x27, 0xAE, 0x60)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(covers[i].darker(140), 1.2));
    p.setBrush(shade(covers[i].lighter(130), covers[i]));
    p.drawRoundedRect(QRectF(6 + i * 12, 8 + (i == 1 ? 4 : 0), 11, 34 - (i == 1 ? 4 : 0)), 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    p.drawLine(QPointF(9 + i * 12, 16 + (i == 1 ? 4 : 0)), QPointF(14 + i * 12, 16 + (i == 1 ? 4 : 0)));
  }
  p.setPen(QPen(QColor(0x5A, 0x40, 0x20), 2));
  p.drawLine(QPointF(3, 43), QPointF(45, 43));
}

void program(QPainter& p) {
  p.setPen(QPen(QColor(0x14, 0x3D, 0x73), 1.5));
  p.setBrush(shade(QColor(0x4F, 0x93, 0xE8), QColor(0x17, 0x4A, 0x9C)));
  p.drawRoundedRect(QRectF(2, 2, 44, 44), 10, 10);
  p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(12, 14), QPointF(24, 36), QPointF(36, 14)}));
  p.setPen(QPen(QColor(0xFF, 0xD2, 0x3F), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawPoint(QPointF(38, 38));
}

void options(QPainter& p) {
  p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1.5));
  p.setBrush(shade(QColor(0xE8, 0xEA, 0xF0), QColor(0x9A, 0x9E, 0xAA)));
  QPainterPath gear;
  for (int i = 0; i < 8; ++i) {
    QTransform t;
    t.translate(24, 24);
    t.rotate(i * 45);
    QPainterPath tooth;
    tooth.addRect(QRectF(-4, -21, 8, 8));
    gear.addPath(t.map(tooth));
  }
  gear.addEllipse(QRectF(9, 9, 30, 30));
  gear = gear.simplified();
  QPainterPath hole;
  hole.addEllipse(QRectF(18, 18, 12, 12));
  p.drawPath(gear.subtracted(hole));
}

void contexts(QPainter& p) {
  p.setPen(QPen(QColor(0x8E, 0x24, 0x24), 1.5));
  p.setBrush(shade(QColor(0xFF, 0x7A, 0x6B), QColor(0xC8, 0x32, 0x28)));
  QPainterPath pin;
  pin.moveTo(24, 45);
  pin.cubicTo(10, 28, 8, 22, 8, 18);
  pin.arcTo(QRectF(8, 2, 32, 32), 180, -180);
  pin.cubicTo(40, 22, 38, 28, 24, 45);
  p.drawPath(pin);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(18, 12, 12, 12));
}

void someday(QPainter& p) {
  p.setPen(QPen(QColor(0x50, 0x3A, 0x8C), 1.5));
  p.setBrush(shade(QColor(0xB9, 0xA4, 0xF2), QColor(0x6E, 0x4F, 0xC4)));
  p.drawRoundedRect(QRectF(5, 8, 38, 36), 4, 4);
  p.setBrush(QColor(0xF7, 0xF4, 0xFF));
  p.drawRect(QRectF(9, 17, 30, 23));
  p.setPen(QPen(QColor(0x50, 0x3A, 0x8C), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 4), QPointF(15, 12));
  p.drawLine(QPointF(33, 4), QPointF(33, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF2, 0xB4, 0x22));
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    double r = i % 2 ? 3.2 : 7.5;
    double a = (i * 36 - 90) * 3.14159265 / 180;
    QPointF pt(24 + r * std::cos(a), 29 + r * std::sin(a));
    i ? star.lineTo(pt) : star.moveTo(pt);
  }
  star.closeSubpath();
  p.drawPath(star);
}

void reference(QPainter& p) {
  p.setPen(QPen(QColor(0x6B, 0x4A, 0x12), 1.5));
  p.setBrush(shade(QColor(0xF8, 0xD5, 0x7E), QColor(0xD9, 0xA2, 0x2B)));
  QPainterPath folder;
  folder.moveTo(4, 12);
  folder.lineTo(18, 12);
  folder.lineTo(22, 16);
  folder.lineTo(44, 16);
  folder.lineTo(44, 42);
  folder.lineTo(4, 42);
  folder.closeSubpath();
  p.drawPath(folder);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(10, 20, 28, 16));
  p.setPen(QPen(QColor(0xAA, 0xAA, 0xAA), 1.5));
  for (int y = 25; y <= 32; y += 4) p.drawLine(QPointF(14, y), QPointF(34, y));
}

}  // namespace

QPixmap navigation(Nav which, int size) {
  switch (which) {
    case Nav::Home: return paint(size, home);
    case Nav::Inbox: return paint(size, inbox);
    case Nav::Process: return paint(size, process);
    case Nav::Review: return paint(size, review);
    case Nav::Actions: return paint(size, actions);
    case Nav::Tools: return paint(size, tools);
    case Nav::Help: return paint(size, help);
    case Nav::Resources: return paint(size, resources);
  }
  return {};
}

QIcon program_icon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(paint(size, program));
  return icon;
}

void draw_program_icon(QPainter& p) { program(p); }

QPixmap tool(Tool which, int size) {
  switch (which) {
    case Tool::Options: return paint(size, options);
    case Tool::Contexts: return paint(size, contexts);
    case Tool::Someday: return paint(size, someday);
    case Tool::Reference: return paint(size, reference);
  }
  return {};
}

namespace {

void alarm_clock(QPainter& p) {
  const QColor rim(0x9C, 0x1F, 0x1F);
  // Bells, then legs, behind the body.
  p.setPen(QPen(rim, 1.5));
  p.setBrush(shade(QColor(0xFF, 0xD5, 0x4F), QColor(0xD9, 0x9A, 0x12)));
  p.drawPie(QRectF(3, 3, 17, 17), 30 * 16, 180 * 16);
  p.drawPie(QRectF(28, 3, 17, 17), -30 * 16, 180 * 16);
  p.setPen(QPen(rim, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 38), QPointF(9, 45));
  p.drawLine(QPointF(34, 38), QPointF(39, 45));
  p.setPen(QPen(rim, 1.5));
  p.setBrush(shade(QColor(0xF2, 0x5A, 0x4A), QColor(0xB3, 0x24, 0x1C)));
  p.drawEllipse(QRectF(6, 8, 36, 36));
  p.setBrush(QColor(0xFF, 0xFB, 0xF2));
  p.drawEllipse(QRectF(10, 12, 28, 28));
  // Hour marks and the hands at ten past ten.
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 12; i += 3) {
    double a = i * 30 * 3.14159265 / 180;
    p.drawLine(QPointF(24 + 11 * std::sin(a), 26 - 11 * std::cos(a)),
               QPointF(24 + 13 * std::sin(a), 26 - 13 * std::cos(a)));
  }
  p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(24, 26), QPointF(18, 21));
  p.drawLine(QPointF(24, 26), QPointF(31, 18));
  p.setBrush(rim);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(24, 26), 2, 2);
}

}  // namespace

QPixmap alarm(int size) {
  return paint(size, alarm_clock);
}

}  // namespace pictures

namespace pictures {

namespace {

// A group of records: a blue box with two stacked sheets in it.
void group_node(QPainter& p) {
  p.setPen(QPen(QColor(0x1E, 0x4F, 0x8F), 2));
  p.setBrush(QColor(0xE9, 0xF3, 0xFF));
  p.drawRoundedRect(QRectF(12, 5, 26, 18), 2, 2);
  p.drawRoundedRect(QRectF(9, 10, 30, 18), 2, 2);
  p.setBrush(shade(QColor(0x8C, 0xC4, 0xFF), QColor(0x3A, 0x7B, 0xD5)));
  p.drawRoundedRect(QRectF(4, 18, 40, 25), 4, 4);
  p.setPen(QPen(QColor(0xE9, 0xF3, 0xFF), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(17, 29), QPointF(31, 29));
}

// A project: an orange clipboard with a few lines of steps.
void project_node(QPainter& p) {
  p.setPen(QPen(QColor(0x8A, 0x3B, 0x12), 2));
  p.setBrush(shade(QColor(0xF6, 0xA2, 0x5E), QColor(0xC8, 0x5A, 0x1A)));
  p.drawRoundedRect(QRectF(7, 6, 34, 39), 4, 4);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(12, 13, 24, 27));
  p.setBrush(QColor(0x6B, 0x55, 0x3A));
  p.drawRoundedRect(QRectF(17, 3, 14, 7), 2, 2);
  p.setPen(QPen(QColor(0x8A, 0x3B, 0x12), 3, Qt::SolidLine, Qt::RoundCap));
  for (int y = 20; y <= 34; y += 7) p.drawLine(QPointF(16, y), QPointF(32, y));
}

}  // namespace

QPixmap review_node(ReviewNode which, int size) {
  switch (which) {
    case ReviewNode::Group: return paint(size, group_node);
    case ReviewNode::Project: return paint(size, project_node);
    case ReviewNode::Action: return paint(size, actions);  // the tick of the Actions page
  }
  return {};
}

}  // namespace pictures
