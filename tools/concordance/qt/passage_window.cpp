#include "passage_window.h"

#include <QVBoxLayout>

namespace concordance {
namespace {

QString Escaped(const std::string &text) {
  return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

QString PassageHtml(const Passage &passage) {
  // A heading per chapter only when the passage spans more than one.
  bool chapters =
      !passage.verses.empty() && passage.verses.front().chapter != passage.verses.back().chapter;
  QString html;
  int chapter = 0;
  bool open = false;
  for (const PassageVerse &verse : passage.verses) {
    bool newChapter = verse.chapter != chapter;
    if (open && (newChapter || verse.paragraph)) {
      html += "</p>";
      open = false;
    }
    if (newChapter && chapters)
      html += QString("<h3>%1 %2</h3>").arg(Escaped(verse.book)).arg(verse.chapter);
    chapter = verse.chapter;
    if (!open) {
      html += "<p style=\"line-height:135%\">";
      open = true;
    }
    html += QString("<span class=\"verse\">%1</span>&nbsp;%2 ")
                .arg(verse.verse)
                .arg(Escaped(verse.text));
  }
  if (open)
    html += "</p>";
  if (passage.cut)
    html += QString("<p><i>Only the first %1 verses are shown.</i></p>").arg(passage.verses.size());
  return html;
}

PassageWindow::PassageWindow()
    : heading_(new QLabel), source_(new QLabel), body_(new QTextBrowser) {
  setWindowTitle("Selwarth Concordance");
  QFont serif("DejaVu Serif");
  serif.setStyleHint(QFont::Serif);
  QFont headingFont = serif;
  headingFont.setPointSizeF(serif.pointSizeF() * 1.5);
  headingFont.setBold(true);
  heading_->setFont(headingFont);
  heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  source_->setStyleSheet("color: #5f5f5f");
  body_->setFont(serif);
  // Verse numbers in bold at four fifths of the text's size, on the line
  // rather than raised (a raised number is drawn at two thirds, too small to
  // read), in a brown of 8:1 against a light page (a light tan on a dark).
  const bool lightPage = body_->palette().color(QPalette::Base).lightnessF() > 0.5;
  body_->document()->setDefaultStyleSheet(
      QString(".verse { font-weight: bold; font-size: %1pt; color: %2 }")
          .arg(serif.pointSizeF() * 0.8, 0, 'f', 1)
          .arg(lightPage ? "#6b4a12" : "#e2bd7a"));
  body_->setOpenLinks(false);
  body_->setFrameShape(QFrame::NoFrame);
  body_->document()->setDocumentMargin(2);

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(4);
  layout->addWidget(heading_);
  layout->addWidget(source_);
  layout->addSpacing(6);
  layout->addWidget(body_, 1);
  resize(460, 380);
}

void PassageWindow::ShowPassage(const Passage &passage) {
  QString reference = QString::fromStdString(passage.reference);
  QString translation = QString::fromStdString(passage.translation);
  setWindowTitle(QString("%1 (%2) - Selwarth Concordance").arg(reference, translation));
  heading_->setText(reference);
  source_->setText(
      QString("%1 (%2)").arg(QString::fromStdString(passage.description), translation));
  body_->setHtml(PassageHtml(passage));
  body_->moveCursor(QTextCursor::Start);
}

} // namespace concordance
