// selwarth-icon-files OUTDIR NAME SIZE...: draws the program's icon, with the
// code that draws it on the windows, into OUTDIR/<SIZE>x<SIZE>/apps/NAME.png
// for each size, the layout of an icon theme such as hicolor. The build runs
// it, so the installed icons and the window icon are one picture.

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/qt/qt_icons.h"

int main(int argc, char **argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: selwarth-icon-files OUTDIR NAME SIZE...\n");
    return 2;
  }
  // Nothing is shown: drawing needs no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    char *end = nullptr;
    long size = std::strtol(argv[i], &end, 10);
    if (*end != '\0' || size < 1 || size > 1024) {
      std::fprintf(stderr, "selwarth-icon-files: '%s' is not a size in pixels\n", argv[i]);
      return 2;
    }
    const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = apps + "/" + name + ".png";
    if (!QDir().mkpath(apps) || !DrawIcon(1, static_cast<int>(size)).save(file, "PNG")) {
      std::fprintf(stderr, "selwarth-icon-files: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
