// Writes the program's icon into an icon theme folder, as the PNG sizes of the hicolor theme and
// as SVG, painted by the same code that paints the window's icon:
//
//   icon_export <theme folder> <icon name>
//
// Run by the build; the results are installed with the program.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/Pictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon_export <theme folder> <icon name>\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString theme = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);

  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QString("%1/hicolor/%2x%2/apps").arg(theme).arg(size);
    QDir().mkpath(folder);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    pictures::draw_program_icon(p);
    p.end();
    if (!image.save(folder + "/" + name + ".png")) return 1;
  }

  const QString scalable = theme + "/hicolor/scalable/apps";
  QDir().mkpath(scalable);
  QSvgGenerator svg;
  svg.setFileName(scalable + "/" + name + ".svg");
  svg.setSize(QSize(48, 48));
  svg.setViewBox(QRect(0, 0, 48, 48));
  svg.setTitle("Vantrel Wizard");
  QPainter p(&svg);
  p.setRenderHint(QPainter::Antialiasing);
  pictures::draw_program_icon(p);
  return p.end() ? 0 : 1;
}
