#pragma once

// A user of the program's dialogs on the Qt backend, played from inside the
// dialog's modal run: keys sent to its widgets, the message boxes it opens
// answered.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/qt/qt_dialog.h"
#include "qt/qt_app_fixture.h"

namespace testsupport {

// Runs the dialog modally while user plays its user from inside the run. A
// user who fails to end the dialog is caught by a watchdog, not a hang.
inline int ExecuteWith(TDialog &dialog, const std::function<void(DialogWidget &)> &user) {
  QTimer::singleShot(0, [&] {
    DialogWidget *peer = DialogWidgetOf(dialog);
    ASSERT_NE(peer, nullptr);
    EXPECT_TRUE(peer->isModal());
    user(*peer);
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the dialog did not end";
    dialog.CloseDialog(-1);
  });
  watchdog.start(5000);
  int result = dialog.Execute();
  testsupport::DeleteDeferredWidgets();
  return result;
}

inline void PressKey(QWidget *target, int key, const QString &text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &release);
}

// Whether a label meant for one line (no line break in its text) shows it
// on one: wrapped at its width, it takes no more lines than unwrapped.
inline bool OnOneLine(QWidget *widget) {
  auto *label = qobject_cast<QLabel *>(widget);
  if (label == nullptr || !label->wordWrap() || label->text().contains(u'\n') ||
      !label->pixmap().isNull())
    return true;
  return label->heightForWidth(label->width()) <= label->heightForWidth(QWIDGETSIZE_MAX);
}

// Answers every message box the program opens while the object lives
// (with its default button) and keeps its text.
class MessageBoxAnswerer {
public:
  MessageBoxAnswerer() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible())
        return;
      Texts.push_back(box->text().toStdString());
      box->done(box->defaultButton() != nullptr ? box->standardButton(box->defaultButton())
                                                : QMessageBox::Ok);
    });
    poll_.start(20);
  }
  std::vector<std::string> Texts;

private:
  QTimer poll_;
};

} // namespace testsupport
