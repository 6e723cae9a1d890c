#pragma once

// The Qt widget of a document control: a read-only document view that lays
// out every script, scrolls from the keyboard, follows the desktop's theme
// (its page and text colours) and is read by screen readers as a document.

#include <QTextBrowser>

#include "platform/text_document.h"

struct TControlState;

class DocumentView : public QTextBrowser {
public:
  explicit DocumentView(QWidget *parent);
  // Shows the control's document and zoom; an unchanged document is left as
  // it is, its place kept.
  void Show(const TControlState &state);

private:
  void Build(const TTextDocument &document);

  TTextDocument shown_;
  int zoom_ = 0;
  qreal baseSize_ = 0;
};
