#pragma once

// Without a display Qt ends the process with a fatal message and an abort
// (status 134) while QApplication is made. While one of these lives, such a
// fatal message becomes one line on standard error and exit status 1; the
// other messages of that time are held back and passed on when it ends, so a
// start that works shows them as before.

#include <QString>
#include <QtGlobal>
#include <vector>

// Whether the environment or the arguments name a display or a platform for
// Qt at all (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM, -platform). Without
// one, Qt's attempts print several lines of their own before the fatal one.
bool SomeDisplayIsNamed(int argc, const char *const *argv);

// The one line a start without a display ends with.
void SayThereIsNoDisplay(const char *programName);

class DisplayCheck {
public:
  explicit DisplayCheck(const char *programName);
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck &) = delete;
  DisplayCheck &operator=(const DisplayCheck &) = delete;

private:
  struct Held {
    // The context's strings are static; only the text needs a copy.
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
  };
  static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

  QtMessageHandler previous_;
  std::vector<Held> held_;
};
