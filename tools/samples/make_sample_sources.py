#!/usr/bin/env python3
"""Writes the text sources of the sample packages, packages/*.qxs.

The choices live in the data files beside this script: books.tsv (book
names), verses.txt (the daily verses), plan.txt (the reading plan's streams),
quiz.txt (the quiz questions) and proverbs.txt (the proverbs). The Bible
texts come from Debian's SWORD modules, read with diatheke:

    apt-get install diatheke sword-text-kjv sword-text-sparv
    python3 tools/samples/make_sample_sources.py

Every reference is checked against the module it is read from, every quiz
answer against the words of its verse, and the reading plan against the
chapters of the whole Bible. On a fault the script names the data lines at
fault, exits with status 1 and writes nothing.
"""

import argparse
import pathlib
import re
import subprocess
import sys
import unicodedata

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent

KJV_MODULE = "engKJV2006eb"
RV_MODULE = "spaRV1909eb"

TRAILER_LIMIT = 255    # bytes of marker and trailer text
REFERENCE_LIMIT = 39   # characters of a reference the Links commands send
PLAN_DAYS = 365

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun",
          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
MONTH_DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


class DataError(Exception):
    """A fault in a data file or in the text a module gave for it."""


def fail(where, message):
    raise DataError(f"{where}: {message}")


# ---------------------------------------------------------------- slots


def slot_dates():
    """The date name of every slot: "Jan 1" ... "Dec 31", then "Feb 29"."""
    names = [f"{month} {day}" for month, days in zip(MONTHS, MONTH_DAYS)
             for day in range(1, days + 1)]
    names.append("Feb 29")
    return names


SLOT_DATES = slot_dates()
SLOT_OF_DATE = {name: slot for slot, name in enumerate(SLOT_DATES)}


def data_lines(path):
    """(where, fields) for each line of a data file that is not blank or a
    comment; fields are split at tabs."""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        yield f"{path.name}:{number}", [field.strip() for field in line.split("\t")]


def each_checked(items, make):
    """make(item) for every item; the faults of all items are reported
    together, so that one run names every one of them."""
    results, faults = [], []
    for item in items:
        try:
            results.append(make(item))
        except DataError as error:
            faults.append(str(error))
    if faults:
        raise DataError("\n".join(faults))
    return results


def dated_lines(path, field_count):
    """The lines of a data file that gives one line a slot, in slot order.
    Each line begins with the slot's date; every slot must be given once."""
    by_slot = {}
    for where, fields in data_lines(path):
        if len(fields) != field_count:
            fail(where, f"expected {field_count} fields separated by tabs, found {len(fields)}")
        slot = SLOT_OF_DATE.get(fields[0])
        if slot is None:
            fail(where, f"'{fields[0]}' is not a date such as 'Jan 1' or 'Feb 29'")
        if slot in by_slot:
            fail(where, f"{fields[0]} is given twice (first at {by_slot[slot][0]})")
        by_slot[slot] = (where, fields[1:])
    missing = [SLOT_DATES[slot] for slot in range(len(SLOT_DATES)) if slot not in by_slot]
    if missing:
        fail(path.name, "no line for " + ", ".join(missing[:10]))
    return [by_slot[slot] for slot in range(len(SLOT_DATES))]


# ---------------------------------------------------------------- books and references


class Book:
    def __init__(self, index, name, sword, spanish):
        self.index = index
        self.name = name
        self.sword = sword
        self.spanish = spanish


def load_books(path):
    books = []
    for where, fields in data_lines(path):
        if len(fields) != 3:
            fail(where, "expected: name, SWORD name and Spanish name, separated by tabs")
        books.append(Book(len(books), *fields))
    if len(books) != 66:
        fail(path.name, f"expected the 66 books, found {len(books)}")
    return books


class Reference:
    """A passage: a book, and a span from chapter:verse to chapter:verse.
    A verse of 0 stands for the whole chapter."""

    def __init__(self, book, chapter, verse, last_chapter, last_verse):
        self.book = book
        self.chapter = chapter
        self.verse = verse
        self.last_chapter = last_chapter
        self.last_verse = last_verse

    def text(self, spanish=False):
        """"John 3:16", "Proverbs 3:5-6", "Genesis 1-2", "Psalm 23:1"; with
        spanish, the Spanish book name ("Juan 3:16", "Salmo 23:1")."""
        name = self.book.spanish if spanish else self.book.name
        if self.chapter == self.last_chapter:
            name = SINGULAR.get(name, name)
        if self.verse == 0:
            if self.chapter == self.last_chapter:
                return f"{name} {self.chapter}"
            return f"{name} {self.chapter}-{self.last_chapter}"
        text = f"{name} {self.chapter}:{self.verse}"
        if self.last_chapter != self.chapter:
            return f"{text}-{self.last_chapter}:{self.last_verse}"
        if self.last_verse != self.verse:
            return f"{text}-{self.last_verse}"
        return text


# A passage within one psalm names the book in the singular.
SINGULAR = {"Psalms": "Psalm", "Salmos": "Salmo"}

REFERENCE_PATTERN = re.compile(
    r"^(?P<book>.+?) (?P<chapter>\d+)(?::(?P<verse>\d+))?"
    r"(?:-(?:(?P<last_chapter>\d+):)?(?P<last>\d+))?$")


def parse_reference(text, books_by_name, where):
    match = REFERENCE_PATTERN.match(text)
    if not match:
        fail(where, f"'{text}' is not a reference such as 'John 3:16' or 'Proverbs 3:5-6'")
    name = match["book"]
    book = books_by_name.get("Psalms" if name == "Psalm" else name)
    if book is None:
        fail(where, f"'{name}' is not a book of books.tsv")
    chapter = int(match["chapter"])
    verse = int(match["verse"] or 0)
    last = match["last"]
    if last is None:
        return Reference(book, chapter, verse, chapter, verse)
    if verse == 0:
        if match["last_chapter"]:
            fail(where, f"'{text}': a chapter range has no verses")
        return Reference(book, chapter, 0, int(last), 0)
    last_chapter = int(match["last_chapter"] or chapter)
    return Reference(book, chapter, verse, last_chapter, int(last))


# ---------------------------------------------------------------- the modules


def run_diatheke(module, key):
    try:
        result = subprocess.run(["diatheke", "-b", module, "-f", "OSIS", "-k", key],
                                capture_output=True, check=True)
    except FileNotFoundError:
        raise DataError("diatheke is not installed (apt-get install diatheke)")
    except subprocess.CalledProcessError as error:
        raise DataError(f"diatheke failed on {module}: {error.stderr.decode(errors='replace')}")
    return result.stdout.decode("utf-8")


TAG = re.compile(r"<[^>]*>")
BLANKS = re.compile(r"\s+")


def normalise(text):
    text = text.replace("\u00b6", " ")          # paragraph marks
    text = text.replace("\u2019", "'").replace("\u2018", "'")
    text = BLANKS.sub(" ", text).strip()
    text = re.sub(r" ([,;:.?!)])", r"\1", text)  # a blank left before punctuation
    return unicodedata.normalize("NFC", text)


def clean_kjv(raw):
    # The KJV marks single words, sometimes only part of a word ("give</w>n"),
    # and its spaces lie outside the marks: dropping the tags keeps the words.
    return normalise(TAG.sub("", raw))


# Pronouns Spanish writes onto the end of a verb ("plantóla", "Júramelo").
ENCLITICS = {"la", "las", "lo", "los", "le", "les", "me", "te", "se", "nos", "os"}
WORD_START = re.compile(r"^\w+", re.UNICODE)


def clean_rv(raw):
    """The Reina-Valera module stores words added in translation between its
    word marks with no blank around them ("para siempre</w>es<w>su"). An
    added enclitic pronoun belongs to the verb before it; any other added
    text is a word of its own."""
    parts = re.split(r"(<w[^>]*>.*?</w>)", raw)
    out = ""
    for part in parts:
        if part.startswith("<w"):
            word = TAG.sub("", part)
            if out and out[-1].isalpha() and word[:1].isalpha():
                out += " "
            out += word
            continue
        text = TAG.sub("", part)
        if out and out[-1].isalpha() and text[:1].isalpha():
            first = WORD_START.match(text).group(0)
            if first.lower() not in ENCLITICS:
                out += " "
        out += text
    return normalise(out)


CAPITAL_WORD = re.compile(r"\b[A-ZÁÉÍÓÚÑÜ]{2,}\b")
# Names that keep their capital when a chapter's first words are set in
# small letters.
SPANISH_NAMES = {"jehová", "dios", "señor", "israel", "jacob", "sión", "jerusalem", "judá",
                 "cristo", "jesús", "david", "salomón", "babilonia", "egipto"}


def open_rv_chapter(text, psalm):
    """The Reina-Valera sets the first words of a chapter in capitals
    ("JEHOVÁ es mi pastor") and puts a psalm's title in front of its first
    verse ("Salmo de David. JEHOVÁ ..."). The title is dropped, as in the
    KJV's verses, and the capitals become ordinary letters."""
    match = CAPITAL_WORD.search(text)
    if not match:
        return text
    start = match.start()
    if psalm:
        title_end = text.rfind(". ", 0, start)
        if title_end >= 0:
            text = text[title_end + 2:]
            start -= title_end + 2
    end = start
    while True:
        match = CAPITAL_WORD.match(text, end)
        if not match:
            break
        end = match.end()
        if text[end:end + 1] == " " and CAPITAL_WORD.match(text, end + 1):
            end += 1
    before = text[:start].rstrip("¡¿ ")
    at_start = before == "" or before[-1] in ".!?"  # the run begins a sentence
    opening = []
    for word in text[start:end].split(" "):
        lower = word.lower()
        if lower in SPANISH_NAMES or (not opening and at_start):
            lower = lower.capitalize()
        opening.append(lower)
    return text[:start] + " ".join(opening) + text[end:]


HEBREW_LETTER = re.compile(r"^[A-Z]+\.? ")


def adjust_rv(book, chapter, verse, text):
    if book.name == "Psalms" and chapter == 119 and verse % 8 == 1:
        # The stanzas of Psalm 119 begin with the Hebrew letter's name
        # ("NUN. Lámpara es á mis pies"), a heading in the KJV.
        text = HEBREW_LETTER.sub("", text)
    if verse == 1:
        text = open_rv_chapter(text, book.name == "Psalms")
    return text


class Bible:
    """The verses of one module: text by (book index, chapter, verse)."""

    def __init__(self, module, books, clean, adjust=None):
        self.module = module
        self.books = books
        self.verses = {}
        self.verse_counts = {}  # (book index, chapter) -> verses
        by_sword = {book.sword: book for book in books}
        names = "|".join(re.escape(book.sword) for book in
                         sorted(books, key=lambda b: len(b.sword), reverse=True))
        # A line may begin with a heading that diatheke repeats before each
        # verse of a psalm; the verse begins after its reference.
        line_start = re.compile(rf"(?:^|\s)({names}) (\d+):(\d+): ")
        for key in ("Gen 1:1-Mal 4:6", "Matt 1:1-Rev 22:21"):
            current = None
            for line in run_diatheke(module, key).splitlines():
                match = line_start.search(line)
                if match:
                    book = by_sword[match.group(1)]
                    current = (book.index, int(match.group(2)), int(match.group(3)))
                    self.verses[current] = line[match.end():]
                elif current and not line.startswith(f"({module})"):
                    self.verses[current] += " " + line
        for key, raw in self.verses.items():
            self.verses[key] = clean(raw)
            if adjust:
                self.verses[key] = adjust(books[key[0]], key[1], key[2], self.verses[key])
            chapter = key[:2]
            self.verse_counts[chapter] = max(self.verse_counts.get(chapter, 0), key[2])
        if len(self.verses) < 31000:
            raise DataError(f"{module} gave only {len(self.verses)} verses; is it installed?")

    def chapters(self, book):
        count = 0
        while (book.index, count + 1) in self.verse_counts:
            count += 1
        return count

    def passage(self, reference, where):
        """The text of the passage, its verses joined by blanks. Fails when a
        verse of the reference does not exist or is empty."""
        book = reference.book
        last_chapter = reference.last_chapter
        if (reference.chapter, reference.verse) > (last_chapter, reference.last_verse):
            fail(where, f"{reference.text()}: the range runs backwards")
        if reference.verse == 0:
            keys = [(book.index, c, v) for c in range(reference.chapter, last_chapter + 1)
                    for v in range(1, self.verse_counts.get((book.index, c), 0) + 1)]
            for c in range(reference.chapter, last_chapter + 1):
                if (book.index, c) not in self.verse_counts:
                    fail(where, f"{reference.text()}: {book.name} has no chapter {c} "
                                f"in {self.module}")
        else:
            keys = []
            chapter, verse = reference.chapter, reference.verse
            while (chapter, verse) <= (last_chapter, reference.last_verse):
                keys.append((book.index, chapter, verse))
                if verse < self.verse_counts.get((book.index, chapter), 0):
                    verse += 1
                else:
                    chapter, verse = chapter + 1, 1
        for key in keys:
            if not self.verses.get(key):
                fail(where, f"{reference.text()}: {book.name} {key[1]}:{key[2]} "
                            f"is not in {self.module}")
        return " ".join(self.verses[key] for key in keys)


# ---------------------------------------------------------------- package sources


def escape_line(line):
    """A text line of a source: a "{" that could start an escape, and a "#"
    or "[" at the start (a comment, a slot line), are written as byte
    escapes."""
    line = line.replace("{", "{x7B}")
    if line[:1] in ("#", "["):
        line = f"{{x{ord(line[0]):02X}}}" + line[1:]
    return line


def wrap(text, width=76):
    """Lines of at most width characters where the text has blanks to break
    at; the source joins its lines with single blanks again."""
    lines = []
    line = ""
    for word in text.split(" "):
        if line and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = f"{line} {word}" if line else word
    lines.append(line)
    return lines


def write_source(path, header, entries, note):
    """header: (key, value) pairs; entries: (slot name, body, trailer) with
    the trailer (marker included) or None."""
    lines = [f"# {line}".rstrip() for line in note.splitlines()]
    lines.append("")
    lines += [f"{key}: {value}" for key, value in header]
    for slot_name, body, trailer in entries:
        lines.append("")
        lines.append(f"[{slot_name}]")
        lines += [escape_line(line) for line in wrap(body)]
        if trailer:
            lines.append(escape_line(trailer))
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")


GENERATED = ("Generated by tools/samples/make_sample_sources.py from the data files beside\n"
             "it and the {module} SWORD module; change those and run the script again.")


def check_trailer(trailer, codec, where):
    # The program shows a "-" as "- ", one byte more.
    limit = TRAILER_LIMIT - 1 if trailer.startswith("-") else TRAILER_LIMIT
    if len(trailer.encode(codec)) > limit:
        fail(where, f"the trailer '{trailer}' is longer than {limit} bytes")


def check_reference_length(reference, where):
    if len(reference) > REFERENCE_LIMIT:
        fail(where, f"the reference '{reference}' is longer than {REFERENCE_LIMIT} characters")


def verse_entries(kjv, books_by_name):
    """(slot name, reference, where, text, trailer) of each daily verse."""
    seen = {}

    def entry(item):
        slot, (where, (reference_text,)) = item
        reference = parse_reference(reference_text, books_by_name, where)
        if reference.verse == 0 or reference.last_verse != reference.verse:
            fail(where, f"{reference_text}: a daily verse is one verse (a '-' in the "
                        "reference would start the trailer)")
        if reference.text() in seen:
            fail(where, f"{reference.text()} is already used at {seen[reference.text()]}")
        seen[reference.text()] = where
        trailer = "-" + reference.text()
        check_trailer(trailer, "cp1252", where)
        check_reference_length(trailer[1:], where)
        return SLOT_DATES[slot], reference, where, kjv.passage(reference, where), trailer

    return each_checked(enumerate(dated_lines(HERE / "verses.txt", 2)), entry)


# Capitals that code page 437 lacks; old Spanish print leaves capitals
# unaccented too.
CP437_CAPITALS = str.maketrans({"Á": "A", "Í": "I", "Ó": "O", "Ú": "U", "Î": "I"})


def spanish_entries(rv, verse_list):
    """The daily verses of verse_list in the Reina-Valera, for a package
    whose entries are stored in code page 437."""

    def entry(item):
        slot_name, reference, where, _, _ = item
        body = rv.passage(reference, where).translate(CP437_CAPITALS)
        trailer = "-" + reference.text(spanish=True)
        for text in (body, trailer):
            try:
                text.encode("cp437")
            except UnicodeEncodeError as error:
                fail(where, f"{reference.text()} in {RV_MODULE}: '{text[error.start]}' "
                            "is not in code page 437")
        check_trailer(trailer, "cp437", where)
        return slot_name, body, trailer

    return each_checked(verse_list, entry)


def proverb_entries(kjv, books_by_name):
    seen = {}

    def entry(item):
        slot, (where, (reference_text,)) = item
        reference = parse_reference(reference_text, books_by_name, where)
        if reference.book.name != "Proverbs" or reference.verse == 0:
            fail(where, f"{reference_text}: expected verses of Proverbs")
        if reference.text() in seen:
            fail(where, f"{reference_text} is already used at {seen[reference.text()]}")
        seen[reference.text()] = where
        trailer = "~" + reference.text()
        check_trailer(trailer, "cp1252", where)
        return SLOT_DATES[slot], kjv.passage(reference, where), trailer

    return each_checked(enumerate(dated_lines(HERE / "proverbs.txt", 2)), entry)


# ---------------------------------------------------------------- the quiz

# Words an answer may hold that its verse need not.
ANSWER_FILLERS = {"a", "an", "the", "of", "and", "to", "in", "his", "her", "by", "on"}


def words(text):
    """The words of a text in small letters, without possessive endings
    ("Benjamin's" and "Mars'" give "benjamin" and "mars"), and with the
    KJV's "æ" written "ae" ("Cæsar" gives "caesar")."""
    text = text.lower().replace("æ", "ae").replace("'s", "").replace("'", "")
    return re.findall(r"[a-z0-9]+", text)


def quiz_entries(kjv, books_by_name):
    questions = {}

    def entry(item):
        slot, (where, (question, answer, reference_text)) = item
        if not question.rstrip('"').endswith("?"):
            fail(where, f"the question '{question}' does not end with '?'")
        if question in questions:
            fail(where, f"the question is already asked at {questions[question]}")
        questions[question] = where
        for forbidden in "\\()":
            if forbidden in question + answer:
                fail(where, f"'{forbidden}' belongs to the answer's frame, not its text")
        reference = parse_reference(reference_text, books_by_name, where)
        if reference.verse == 0:
            fail(where, f"{reference_text}: a quiz answer names its verse")
        verse_words = set(words(kjv.passage(reference, where)))
        missing = [word for word in words(answer)
                   if word not in ANSWER_FILLERS and word not in verse_words]
        if missing or not words(answer):
            fail(where, f"{reference.text()} does not hold the answer '{answer}' "
                        f"(missing: {', '.join(missing) or 'every word'})")
        check_reference_length(reference.text(), where)
        trailer = f"\\{answer} ({reference.text()})"
        check_trailer(trailer, "cp1252", where)
        return SLOT_DATES[slot], question, trailer

    return each_checked(enumerate(dated_lines(HERE / "quiz.txt", 4)), entry)


# ---------------------------------------------------------------- the reading plan


class Block:
    """A run of chapters of one book that a stream reads in order."""

    def __init__(self, book, chapter, last_chapter, counts):
        self.book = book
        self.chapter = chapter
        self.last_chapter = last_chapter
        self.counts = counts  # verses of each chapter

    @property
    def verses(self):
        return sum(self.counts)


def plan_streams(kjv, books, books_by_name):
    """The streams of plan.txt ("Morning", "Evening"), each a list of blocks.
    A line names a book, a run of books ("Genesis - Job") or chapters of one
    book ("Psalms 1-41")."""
    streams = {}
    for where, fields in data_lines(HERE / "plan.txt"):
        if len(fields) != 2:
            fail(where, "expected: the stream's name and what it reads, separated by a tab")
        stream, what = fields
        blocks = streams.setdefault(stream, [])
        if " - " in what:
            first_name, last_name = what.split(" - ")
            first, last = books_by_name.get(first_name), books_by_name.get(last_name)
            if first is None or last is None or last.index < first.index:
                fail(where, f"'{what}' is not a run of books")
            chosen = [(book, 1, kjv.chapters(book)) for book in books[first.index:last.index + 1]]
        elif what in books_by_name:
            book = books_by_name[what]
            chosen = [(book, 1, kjv.chapters(book))]
        else:
            reference = parse_reference(what, books_by_name, where)
            if reference.verse != 0:
                fail(where, f"'{what}': a stream reads whole chapters")
            kjv.passage(reference, where)
            chosen = [(reference.book, reference.chapter, reference.last_chapter)]
        for book, first, last in chosen:
            counts = [kjv.verse_counts[(book.index, c)] for c in range(first, last + 1)]
            blocks.append(Block(book, first, last, counts))
    if list(streams) != ["Morning", "Evening"]:
        fail("plan.txt", "expected the streams Morning and Evening, in that order")
    return streams


def check_coverage(streams, kjv, books):
    """Every chapter of the Bible is read exactly once, and each stream reads
    each book's chapters in order."""
    read = {}
    for name, blocks in streams.items():
        last_read = {}
        for block in blocks:
            for chapter in range(block.chapter, block.last_chapter + 1):
                key = (block.book.index, chapter)
                if key in read:
                    fail("plan.txt", f"{block.book.name} {chapter} is read twice "
                                     f"({read[key]} and {name})")
                if last_read.get(block.book.index, 0) != chapter - 1:
                    fail("plan.txt", f"{name} reads {block.book.name} {chapter} out of order")
                last_read[block.book.index] = chapter
                read[key] = name
    unread = [f"{book.name} {c}" for book in books for c in range(1, kjv.chapters(book) + 1)
              if (book.index, c) not in read]
    if unread:
        fail("plan.txt", "chapters no stream reads: " + ", ".join(unread[:10]))
    if len(read) != 1189:
        fail("plan.txt", f"the plan reads {len(read)} chapters, not 1189")


def share_days(blocks, days, stream):
    """Days for each block, at least one and at most one a chapter: each next
    day goes to the block whose days are the longest on average."""
    if days < len(blocks) or days > sum(len(b.counts) for b in blocks):
        fail("plan.txt", f"{stream}: {len(blocks)} blocks cannot share {days} days")
    shares = [1] * len(blocks)
    for _ in range(days - len(blocks)):
        best = max((i for i, b in enumerate(blocks) if shares[i] < len(b.counts)),
                   key=lambda i: blocks[i].verses / shares[i])
        shares[best] += 1
    return shares


def split_chapters(counts, days):
    """Cuts chapters into days runs of whole chapters whose verse counts lie
    as close to the average as possible (least sum of squared differences).
    Returns the number of chapters of each run."""
    target = sum(counts) / days
    prefix = [0]
    for count in counts:
        prefix.append(prefix[-1] + count)
    n = len(counts)
    infinity = float("inf")
    cost = [[infinity] * (n + 1) for _ in range(days + 1)]
    cut = [[0] * (n + 1) for _ in range(days + 1)]
    cost[0][0] = 0.0
    for d in range(1, days + 1):
        for end in range(d, n - (days - d) + 1):
            for start in range(d - 1, end):
                if cost[d - 1][start] == infinity:
                    continue
                value = cost[d - 1][start] + (prefix[end] - prefix[start] - target) ** 2
                if value < cost[d][end]:
                    cost[d][end] = value
                    cut[d][end] = start
    runs = []
    end = n
    for d in range(days, 0, -1):
        start = cut[d][end]
        runs.append(end - start)
        end = start
    return list(reversed(runs))


def stream_days(blocks, stream):
    readings = []
    for block, days in zip(blocks, share_days(blocks, PLAN_DAYS, stream)):
        chapter = block.chapter
        for run in split_chapters(block.counts, days):
            readings.append(Reference(block.book, chapter, 0, chapter + run - 1, 0))
            chapter += run
    return readings


def chapters_read(spans):
    """(book index, chapter) of every chapter that blocks or day readings
    name, in order."""
    return [(span.book.index, c) for span in spans
            for c in range(span.chapter, span.last_chapter + 1)]


def plan_reading_text(reference, kjv):
    if kjv.chapters(reference.book) == 1:
        return reference.book.name  # a book of one chapter is named alone
    return reference.text()


def plan_entries(kjv, books, books_by_name):
    streams = plan_streams(kjv, books, books_by_name)
    check_coverage(streams, kjv, books)
    mornings = stream_days(streams["Morning"], "Morning")
    evenings = stream_days(streams["Evening"], "Evening")
    for name, readings in (("Morning", mornings), ("Evening", evenings)):
        if chapters_read(readings) != chapters_read(streams[name]):
            fail("plan.txt", f"the days of {name} do not read its chapters once each in order")
    entries = []
    for day, (morning, evening) in enumerate(zip(mornings, evenings), 1):
        where = f"plan.txt, day {day}"
        morning_text = plan_reading_text(morning, kjv)
        evening_text = plan_reading_text(evening, kjv)
        for text, reference in ((morning_text, morning), (evening_text, evening)):
            check_reference_length(text, where)
            if "/" in text:
                fail(where, f"'{text}': a '/' would end the morning reading early")
            kjv.passage(reference, where)
        entries.append((f"day {day}", f"Morning: {morning_text} / Evening: {evening_text}", None))
    return entries


# ---------------------------------------------------------------- main


def build(out_dir):
    books = load_books(HERE / "books.tsv")
    books_by_name = {book.name: book for book in books}
    kjv = Bible(KJV_MODULE, books, clean_kjv)
    rv = Bible(RV_MODULE, books, clean_rv, adjust_rv)
    sources = {}

    verses = verse_entries(kjv, books_by_name)
    sources["verse.qxs"] = (
        [("Type", "0"), ("Title", "Daily Verse - King James Version"), ("Marker", "-"),
         ("Description", "A verse of encouragement for every day of the year, from the "
                         "King James Version (public domain).")],
        [(slot_name, body, trailer) for slot_name, _, _, body, trailer in verses], KJV_MODULE)

    sources["rv1909.qxs"] = (
        [("Type", "1"), ("Title", "Versículo del día - Reina-Valera 1909"), ("Marker", "-"),
         ("Description", "Un versículo para cada día del año, de la Reina-Valera 1909 "
                         "(dominio público).")],
        spanish_entries(rv, verses), RV_MODULE)

    plan = plan_entries(kjv, books, books_by_name)
    sources["plan.qxs"] = (
        [("Type", "0"), ("Title", "Through the Bible in a Year"), ("Marker", "none"),
         ("Description", "The whole Bible in 365 days: the Old Testament in the mornings, "
                         "the New Testament and the Psalms in the evenings.")],
        plan, KJV_MODULE)

    sources["quiz.qxs"] = (
        [("Type", "0"), ("Title", "Daily Bible Quiz"), ("Marker", "\\"),
         ("Description", "A question a day on the people and events of the Bible; the "
                         "answer, with its verse in the King James Version, shows on "
                         "request.")],
        quiz_entries(kjv, books_by_name), KJV_MODULE)

    sources["proverbs.qxs"] = (
        [("Type", "0"), ("Title", "Proverb of the Day"), ("Marker", "~"),
         ("Description", "A saying from the Book of Proverbs for every day, in the King "
                         "James Version (public domain).")],
        proverb_entries(kjv, books_by_name), KJV_MODULE)

    out_dir.mkdir(parents=True, exist_ok=True)
    for name, (header, entries, module) in sources.items():
        write_source(out_dir / name, header, entries, GENERATED.format(module=module))
        print(f"wrote {out_dir / name}: {len(entries)} entries")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", type=pathlib.Path, default=ROOT / "packages",
                        help="folder for the .qxs files (default: packages/)")
    arguments = parser.parse_args()
    try:
        build(arguments.out)
    except DataError as error:
        print(f"make_sample_sources: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
