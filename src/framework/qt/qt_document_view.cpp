#include "framework/qt/qt_document_view.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "framework/dialog.h"

namespace {

QTextCharFormat RunFormat(const TDocumentRun &run, const QTextCharFormat &base) {
  QTextCharFormat format = base;
  format.setFontItalic(run.italic || base.fontItalic());
  if (run.verseNumber) {
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    format.setFontWeight(QFont::Bold);
  }
  return format;
}

} // namespace

DocumentView::DocumentView(QWidget *parent) : QTextBrowser(parent) {
  setReadOnly(true);
  setOpenLinks(false);
  setUndoRedoEnabled(false);
  // A caret the keyboard moves, so that the arrows scroll and a screen
  // reader follows it.
  setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  baseSize_ = font().pointSizeF() * 1.25;
}

void DocumentView::Show(const TControlState &state) {
  const bool zoomed = state.DocumentZoom != zoom_;
  if (zoomed) {
    zoom_ = state.DocumentZoom;
    QFont font = document()->defaultFont();
    font.setPointSizeF(baseSize_ * zoom_ / 100.0);
    document()->setDefaultFont(font);
  }
  if (!zoomed && state.Document == shown_ && !document()->isEmpty())
    return;
  // The place read stays where it was, as near as the new size allows.
  const int position = textCursor().position();
  shown_ = state.Document;
  Build(shown_);
  if (zoomed) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(position, document()->characterCount() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
  }
}

void DocumentView::Build(const TTextDocument &document) {
  QTextDocument *text = this->document();
  text->clear();
  QTextCursor cursor(text);
  bool first = true;
  for (const TDocumentBlock &block : document.blocks) {
    QTextBlockFormat blockFormat;
    QTextCharFormat charFormat;
    switch (block.kind) {
    case TDocumentBlock::Heading:
      blockFormat.setHeadingLevel(2);
      blockFormat.setTopMargin(first ? 0 : 18);
      blockFormat.setBottomMargin(6);
      charFormat.setFontWeight(QFont::Bold);
      charFormat.setFontPointSize(text->defaultFont().pointSizeF() * 1.25);
      break;
    case TDocumentBlock::Subheading:
      blockFormat.setHeadingLevel(3);
      blockFormat.setTopMargin(10);
      blockFormat.setBottomMargin(4);
      charFormat.setFontWeight(QFont::Bold);
      break;
    case TDocumentBlock::Notice:
      blockFormat.setTopMargin(6);
      charFormat.setFontItalic(true);
      break;
    case TDocumentBlock::Paragraph:
      blockFormat.setBottomMargin(3);
      break;
    }
    if (first)
      cursor.setBlockFormat(blockFormat);
    else
      cursor.insertBlock(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    for (const TDocumentRun &run : block.runs) {
      cursor.insertText(QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())),
                        RunFormat(run, charFormat));
      if (run.verseNumber)
        cursor.insertText(QStringLiteral(" "), charFormat);
    }
    first = false;
  }
  moveCursor(QTextCursor::Start);
}
