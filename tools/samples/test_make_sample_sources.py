#!/usr/bin/env python3
"""Tests of the sample-source generator's own logic; they need no SWORD
module. Run:  python3 -m unittest discover -s tools/samples
"""

import pathlib
import tempfile
import unittest

import make_sample_sources as gen

BOOKS = gen.load_books(gen.HERE / "books.tsv")
BY_NAME = {book.name: book for book in BOOKS}


def reference(text):
    return gen.parse_reference(text, BY_NAME, "test")


class References(unittest.TestCase):
    def test_forms_read_back_as_written(self):
        for text in ("John 3:16", "Proverbs 3:5-6", "Genesis 1-2", "Psalm 23:1", "Psalms 1-41",
                     "Song of Solomon 2:12", "1 John 4:8", "Genesis 41:29-30"):
            self.assertEqual(reference(text).text(), text)
        self.assertEqual(reference("Genesis 49:33-50:2").last_chapter, 50)

    def test_one_psalm_is_singular_in_both_languages(self):
        self.assertEqual(reference("Psalms 23:1").text(), "Psalm 23:1")
        self.assertEqual(reference("Psalm 23:1").text(spanish=True), "Salmo 23:1")
        self.assertEqual(reference("Psalms 1-2").text(spanish=True), "Salmos 1-2")
        self.assertEqual(reference("Isaiah 43:19").text(spanish=True), "Isaías 43:19")

    def test_faults_name_the_line(self):
        for text in ("Hezekiah 1:1", "John", "John 3:16a", "Genesis 1-2:3"):
            with self.assertRaisesRegex(gen.DataError, "^test: "):
                reference(text)


class ModuleText(unittest.TestCase):
    def test_kjv_keeps_words_that_its_marks_split(self):
        raw = ("\u00b6 <w>Let</w> <w>not</w> thy <w>brother\u2019s</w> <w>heart</w> "
               "be <w>give</w>n , <milestone type=\"line\"/>")
        self.assertEqual(gen.clean_kjv(raw), "Let not thy brother's heart be given,")

    def test_reina_valera_separates_added_words_but_joins_pronouns(self):
        self.assertEqual(gen.clean_rv("<w>para siempre</w>es<w>su misericordia</w>."),
                         "para siempre es su misericordia.")
        self.assertEqual(gen.clean_rv("<w>plantó</w>la <w>con</w> <w>Júrame</w>lo."),
                         "plantóla con Júramelo.")
        self.assertEqual(gen.clean_rv("<w>Estas</w><w>son</w>"), "Estas son")
        self.assertEqual(gen.clean_rv("<w>amó</w> <w>Dios</w>, <w>que</w>"), "amó Dios, que")

    def test_chapter_openings_lose_titles_and_capitals(self):
        self.assertEqual(gen.open_rv_chapter("Salmo de David. JEHOVÁ es mi pastor.", True),
                         "Jehová es mi pastor.")
        self.assertEqual(gen.open_rv_chapter("Y SALDRÁ una vara", False), "Y saldrá una vara")
        self.assertEqual(gen.open_rv_chapter("Salmo de David. ¡OH Jehová, cuánto", True),
                         "¡Oh Jehová, cuánto")
        self.assertEqual(gen.open_rv_chapter("EN el principio crió DIOS", False),
                         "En el principio crió DIOS")
        self.assertEqual(gen.open_rv_chapter("ALABAD á Jehová", False), "Alabad á Jehová")
        # Outside the psalms, a sentence before the capitals stays.
        self.assertEqual(gen.open_rv_chapter("Dijo así. OID esto", False), "Dijo así. Oid esto")

    def test_stanzas_of_psalm_119_lose_the_letter_name(self):
        psalms = BY_NAME["Psalms"]
        self.assertEqual(gen.adjust_rv(psalms, 119, 105, "NUN. Lámpara es"), "Lámpara es")
        self.assertEqual(gen.adjust_rv(psalms, 119, 9, "BETH ¿Con qué"), "¿Con qué")
        self.assertEqual(gen.adjust_rv(psalms, 119, 106, "JURÉ y ratifiqué"), "JURÉ y ratifiqué")

    def test_answer_words_ignore_possessives_and_ligatures(self):
        self.assertEqual(gen.words("Benjamin's sack, Mars' hill"), ["benjamin", "sack", "mars", "hill"])
        self.assertEqual(gen.words("Cæsar Augustus"), ["caesar", "augustus"])


class Plan(unittest.TestCase):
    def blocks(self, *chapter_verses):
        return [gen.Block(BOOKS[i], 1, len(counts), list(counts))
                for i, counts in enumerate(chapter_verses)]

    def test_days_are_runs_of_whole_chapters_close_to_the_average(self):
        self.assertEqual(gen.split_chapters([10, 10, 10, 10], 2), [2, 2])
        self.assertEqual(gen.split_chapters([30, 1, 1, 1, 27], 2), [1, 4])
        self.assertEqual(gen.split_chapters([5, 5, 5], 3), [1, 1, 1])
        runs = gen.split_chapters([31, 25, 24, 26, 32, 22, 24, 22, 29, 32], 4)
        self.assertEqual(sum(runs), 10)
        self.assertTrue(all(run >= 1 for run in runs))

    def test_longer_books_get_more_days_and_every_book_one(self):
        blocks = self.blocks([20] * 50, [20] * 10, [5])
        shares = gen.share_days(blocks, 30, "test")
        self.assertEqual(sum(shares), 30)
        self.assertEqual(shares[2], 1)
        self.assertGreater(shares[0], shares[1])
        with self.assertRaises(gen.DataError):
            gen.share_days(self.blocks([20, 20], [20]), 4, "test")  # more days than chapters

    def test_a_stream_reads_each_chapter_once_in_order(self):
        blocks = self.blocks([25] * 150, [30] * 260, [12] * 4)
        readings = gen.stream_days(blocks, "test")
        self.assertEqual(len(readings), gen.PLAN_DAYS)
        self.assertEqual(gen.chapters_read(readings), gen.chapters_read(blocks))
        # No day runs from one book into the next.
        self.assertTrue(all(r.chapter <= r.last_chapter for r in readings))


class Sources(unittest.TestCase):
    def test_wrapped_lines_join_back_to_the_text(self):
        text = "word " * 40 + "end."
        lines = gen.wrap(text.strip(), 30)
        self.assertTrue(all(len(line) <= 30 for line in lines))
        self.assertEqual(" ".join(lines), text.strip())

    def test_lines_that_would_read_as_syntax_are_escaped(self):
        self.assertEqual(gen.escape_line("#1 of {x41}"), "{x23}1 of {x7B}x41}")
        self.assertEqual(gen.escape_line("[Jan 1] text"), "{x5B}Jan 1] text")
        self.assertEqual(gen.escape_line("plain # and ["), "plain # and [")

    def test_trailer_limit_counts_the_blank_after_a_hyphen(self):
        gen.check_trailer("~" + "x" * 254, "cp1252", "test")
        gen.check_trailer("-" + "x" * 253, "cp1252", "test")
        with self.assertRaises(gen.DataError):
            gen.check_trailer("-" + "x" * 254, "cp1252", "test")

    def test_dated_files_give_every_slot_once(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "list.txt"
            good = [f"{date}\tJohn 3:16" for date in gen.SLOT_DATES]
            path.write_text("# comment\n" + "\n".join(reversed(good)) + "\n", encoding="utf-8")
            lines = gen.dated_lines(path, 2)
            self.assertEqual(len(lines), 366)
            self.assertEqual(lines[0][0], f"list.txt:{len(good) - 1 + 2}")  # Jan 1 came last
            for broken, message in ((good[:-1], "no line for Feb 29"),
                                    (good + ["Jan 1\tJohn 1:1"], "Jan 1 is given twice"),
                                    (good + ["Feb 30\tJohn 1:1"], "not a date"),
                                    (good + ["Mar 3 John 1:1"], "2 fields")):
                path.write_text("\n".join(broken) + "\n", encoding="utf-8")
                with self.assertRaisesRegex(gen.DataError, message):
                    gen.dated_lines(path, 2)


if __name__ == "__main__":
    unittest.main()
