#include "platform/text_document.h"

std::string TDocumentBlock::Text() const {
  std::string text;
  for (const TDocumentRun &run : runs) {
    text += run.text;
    if (run.verseNumber)
      text += ' ';
  }
  return text;
}

void TTextDocument::Add(TDocumentBlock::Kind kind, std::string text) {
  blocks.push_back({kind, {{std::move(text)}}});
}

std::string TTextDocument::PlainText() const {
  std::string text;
  for (const TDocumentBlock &block : blocks) {
    if (block.kind == TDocumentBlock::Heading && !text.empty())
      text += '\n';
    text += block.Text();
    text += '\n';
  }
  return text;
}
