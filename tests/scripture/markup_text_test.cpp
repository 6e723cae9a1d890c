// The plain text of module entries in each markup: what a reader of a
// printed Bible sees, the translators' additions in italics.

#include "scripture/markup_text.h"

#include <gtest/gtest.h>

namespace {

// The runs written with the italic ones in [brackets].
std::string Shown(const TRuns &runs) {
  std::string shown;
  for (const TDocumentRun &run : runs)
    shown += run.italic ? "[" + run.text + "]" : run.text;
  return shown;
}

TEST(MarkupTextTest, AnEntryReadsAsItsWordsWithTheAddedOnesInItalics) {
  const struct {
    TMarkup markup;
    const char *entry;
    const char *shown;
  } rows[] = {
      {TMarkup::OSIS,
       "And the <w lemma=\"strong:H0776\">earth</w> <w savlm=\"strong:H1961\">was</w> without "
       "form; and darkness <transChange type=\"added\">was</transChange> upon the deep.  "
       "<div eID=\"gen3\" type=\"x-p\"/>",
       "And the earth was without form; and darkness [was] upon the deep."},
      {TMarkup::OSIS,
       "<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"pv1\"/><title canonical=\"true\" "
       "type=\"psalm\">A Psalm of David.</title> <l level=\"1\" sID=\"x\"/>The "
       "<divineName>LORD</divineName> <transChange type=\"added\">is</transChange> my shepherd; I "
       "shall not want. <l eID=\"x\" level=\"1\"/>",
       "A Psalm of David. The LORD [is] my shepherd; I shall not want."},
      // Notes, variants and an editor's section title are left out.
      {TMarkup::OSIS,
       "<title type=\"section\">The Creation</title>In the beginning<note type=\"study\">Or, "
       "<hi type=\"italic\">first</hi></note> God<rdg>the LORD</rdg> created.",
       "In the beginning God created."},
      {TMarkup::OSIS, "\xC2\xB6 And the LORD God planted a garden",
       "And the LORD God planted a garden"},
      // A note between two words leaves them apart, and nothing before
      // punctuation.
      {TMarkup::OSIS, "God<note placement=\"foot\">Elohim</note>created the earth<note>n</note>.",
       "God created the earth."},
      {TMarkup::OSIS, "Fish &amp; loaves &lt;five&gt; &#8212; &#x2014; &quot;two&quot; &bogus;",
       "Fish & loaves <five> \xE2\x80\x94 \xE2\x80\x94 \"two\" &bogus;"},
      {TMarkup::OSIS, "<hi type=\"italic\">slanted</hi> <hi type=\"bold\">bold</hi>",
       "[slanted] bold"},
      {TMarkup::ThML,
       "For God<sync type=\"Strongs\" value=\"G2316\" /> so loved<note>See 1 John 4:9</note> "
       "<i>the</i> world.<br/>",
       "For God so loved [the] world."},
      {TMarkup::GBF,
       "For God<WG2316> so loved<WG25><WTV-AAI-3S> the<RF>Gr. kosmos<Rf> <FI>whole<Fi> world.<CM>",
       "For God so loved the [whole] world."},
      {TMarkup::GBF, "<TS>A heading<Ts>Text<CL>goes on", "Text goes on"},
      // Without markup nothing is a tag.
      {TMarkup::Plain, "a <b> c  \r\n d", "a <b> c d"},
      // Bytes that are not UTF-8 are replaced, control characters blanked.
      {TMarkup::OSIS, "caf\xE9 \x01x \xF0\x9F\x98\x80", "caf\xEF\xBF\xBD x \xF0\x9F\x98\x80"},
      // An unclosed tag is text, an unmatched end tag nothing.
      {TMarkup::OSIS, "a </w> b <c", "a b <c"},
      {TMarkup::OSIS, "", ""},
  };
  for (const auto &row : rows)
    EXPECT_EQ(Shown(MarkupRuns(row.entry, row.markup)), row.shown) << row.entry;
}

TEST(MarkupTextTest, ADevotionalKeepsItsParagraphs) {
  std::vector<TRuns> paragraphs = MarkupParagraphs(
      "<p>Morning.</p><p>  \"Thou art my portion,\" saith my soul.</p> <p></p>Last", TMarkup::ThML);
  ASSERT_EQ(paragraphs.size(), 3u);
  EXPECT_EQ(Shown(paragraphs[1]), "\"Thou art my portion,\" saith my soul.");
  EXPECT_EQ(Shown(paragraphs[2]), "Last");
  EXPECT_EQ(MarkupParagraphs("One<CM>Two", TMarkup::GBF).size(), 2u);
}

// Nested elements beyond the limit are read as text, without a stack that
// grows with the entry; what is left out stays left out however deep.
TEST(MarkupTextTest, DeepNestingIsBounded) {
  std::string deep;
  for (std::size_t i = 0; i < 10 * NestingLimit; ++i)
    deep += "<seg>";
  deep += "words";
  EXPECT_EQ(Shown(MarkupRuns(deep, TMarkup::OSIS)), "words");
  EXPECT_EQ(Shown(MarkupRuns("<note>" + deep + "</note>after", TMarkup::OSIS)), "after");
}

TEST(MarkupTextTest, Latin1BecomesUtf8) {
  EXPECT_EQ(Latin1ToUtf8("G\xE9nesis \xB6"), "G\xC3\xA9nesis \xC2\xB6");
}

} // namespace
