// The floor that Selwarth's start-up under Qt is measured against: a
// minimal Qt Widgets program with a main window, a menu bar of a few menus
// and a client that paints a line of text. It ends the process right after
// the client's first painted frame, as startup_probe qt-first-paint does.

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

class Client : public QWidget {
protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawText(10, 20, QStringLiteral("In the beginning was the Word."));
    if (!painted_) {
      painted_ = true;
      QTimer::singleShot(0, [] {
        std::fflush(nullptr);
        _exit(0);
      });
    }
  }

private:
  bool painted_ = false;
};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  for (const char *name : {"&File", "&Settings", "&Options", "&Links", "&Help"}) {
    QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(name));
    menu->addAction(QStringLiteral("&Item"));
  }
  window.setCentralWidget(new Client);
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
