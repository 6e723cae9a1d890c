#pragma once

// A document of text in memory: headings and paragraphs of runs, some in
// italics, some verse numbers. The reading of the day's passages makes one,
// the windowing layer shows it (a Qt document view lays it out in every
// script and lets a screen reader read it), qxp prints it. The text is
// UTF-8.

#include <string>
#include <vector>

struct TDocumentRun {
  std::string text;
  bool italic = false;
  bool verseNumber = false; // set off from the verse it numbers

  bool operator==(const TDocumentRun &) const = default;
};

struct TDocumentBlock {
  enum Kind {
    Heading,    // a passage: "Morning: Genesis 1-2"
    Subheading, // a chapter within it: "Genesis 2"
    Paragraph,  // a verse, or a devotional's paragraph
    Notice,     // what could not be read, and why
  };
  Kind kind = Paragraph;
  std::vector<TDocumentRun> runs;

  std::string Text() const; // the runs' text, a verse number and its verse apart
  bool operator==(const TDocumentBlock &) const = default;
};

struct TTextDocument {
  std::vector<TDocumentBlock> blocks;

  void Add(TDocumentBlock::Kind kind, std::string text);
  // The document as plain text: a block a line (LF), a blank line before
  // each heading but the first.
  std::string PlainText() const;
  bool operator==(const TTextDocument &) const = default;
};
