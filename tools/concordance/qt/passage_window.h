#pragma once

// A small window that shows one passage at a time: the reference as a
// heading, the translation under it, then the verses with their numbers,
// a heading at each new chapter and a break at each paragraph.

#include <QLabel>
#include <QTextBrowser>
#include <QWidget>

#include "passage.h"

namespace concordance {

class PassageWindow : public QWidget {
public:
  PassageWindow();
  void ShowPassage(const Passage &passage);

  // What the window shows, for tests.
  QString Heading() const { return heading_->text(); }
  QString PlainBody() const { return body_->toPlainText(); }

private:
  QLabel *heading_;
  QLabel *source_;
  QTextBrowser *body_;
};

// The passage as the window's HTML.
QString PassageHtml(const Passage &passage);

} // namespace concordance
