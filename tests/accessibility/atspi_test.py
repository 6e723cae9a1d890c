"""A screen reader's view of the running program, through AT-SPI.

Runs on an X desktop of its own (Qt's AT-SPI bridge needs a real platform),
which run-on-desktop starts around it (ctest: run-on-desktop openbox -- ...),
and under its own D-Bus session (dbus-run-session), where the accessibility
bus is started on demand. The program runs on the xcb platform with the
bridge on, in a folder of the sample packages; the test finds its verse
window as a document, reads the day's text (as `qxp today --no-answers`
prints it), presses Day Forward through the menu item's AT-SPI action, and
reads the next day's text, and opens DDE Settings from the keyboard (xdotool)
to find its radio buttons. The document takes the focus, tells where its
characters and paragraphs are drawn, and announces its caret and new
paragraphs; Orca itself reads the day aloud. Ctrl+B opens the day's
passages in the reader's Bible (Debian's KJV, and the Reina-Valera under
a Spanish desktop), read as `qxp passages` prints them, and copied whole. A reading of the sample plan
marked with Ctrl+M shows its progress line with the plan's entry, also after
a restart, and Catch Up (Settings menu, from the keyboard) moves the plan's
start in the settings file. Under a Spanish and a German desktop, Package
Settings' lists are named by their labels' words as shown. A daily
devotional of the reader's SWORD library (built with imp2ld) is among the
day's entries, copied with its paragraphs, absent on a day it lacks, read
on the leap day (libfaketime), never taken from a mods.d among the
packages, and turned off in Package Settings from the keyboard, also after
a restart; hostile modules (a FIFO, an index claiming gigabytes, a junk
conf) leave the day as qxp today prints it, and About Packages says why. Every wait is bounded.
"""

import argparse
import datetime
import glob
import os
import pty
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from bounded import end_process, require_display_and, wait_for  # noqa: E402

ARGS = None
INNER = "SELWARTH_ATSPI_INNER"
START_BOUND = 90  # seconds for the program to show up (sanitizer build, busy machine)
STEP_BOUND = 30


def normalised(text):
    """The day's text without blank lines or blanks at line ends."""
    lines = [line.rstrip() for line in text.replace("\r\n", "\n").split("\n")]
    return "\n".join(line for line in lines if line)


def days_of_a_leap_year():
    """Every date of 2024, for a devotional's keys."""
    return [datetime.date(2024, 1, 1) + datetime.timedelta(days=n) for n in range(366)]


def today_slot():
    """Today's day slot as the Date method counts it: a common year's day,
    the leap day the extra slot 365."""
    now = time.localtime()
    day = now.tm_yday - 1
    leap = now.tm_year % 4 == 0 and (now.tm_year % 100 != 0 or now.tm_year % 400 == 0)
    if leap and day == 59:
        return 365
    return day - 1 if leap and day > 59 else day


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        import pyatspi  # Debian's python3-pyatspi
        self.pyatspi = pyatspi
        self.scratch = tempfile.mkdtemp(prefix="selwarth-atspi-")
        self.folder = os.path.join(self.scratch, "data")
        self.config = os.path.join(self.scratch, "config")
        os.makedirs(self.folder)
        os.makedirs(os.path.join(self.config, "selwarth"))
        for name in os.listdir(ARGS.samples):
            shutil.copy(os.path.join(ARGS.samples, name), self.folder)
        self.display = os.environ["DISPLAY"]
        self.program = None
        self.language = {}

    def tearDown(self):
        end_process(self.program, STEP_BOUND)
        shutil.rmtree(self.scratch, ignore_errors=True)

    def environment(self):
        return dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=self.config,
                    XDG_DATA_HOME=os.path.join(self.scratch, "share"), **self.language)

    def qxp_today(self, *options):
        result = subprocess.run([os.path.join(ARGS.bin, "qxp"), "today", "--utf8", "--no-answers"] +
                                list(options), cwd=self.folder, env=self.environment(),
                                capture_output=True, timeout=STEP_BOUND)
        self.assertEqual(result.returncode, 0, result.stderr.decode())
        return normalised(result.stdout.decode("utf-8"))

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == "Selwarth":
                return app
        return None

    def find(self, root, predicate):
        return self.pyatspi.utils.findDescendant(root, predicate, breadth_first=True)

    def document_text(self, app):
        document = self.find(app, lambda node: node.getRole() == self.pyatspi.ROLE_DOCUMENT_FRAME)
        self.assertIsNotNone(document, "no document in the program's tree")
        text = document.queryText()
        return document, text.getText(0, text.characterCount)

    def start_program(self, at=None):
        """The running program's application on the accessibility bus, once
        its document is there; at a date of faketime's when at is given."""
        # Asking for the desktop starts the accessibility bus; Qt's bridge
        # looks for it as the program starts.
        self.pyatspi.Registry.getDesktop(0)
        command = [os.path.join(ARGS.bin, "selwarth")]
        env = self.environment()
        if at is not None:
            # libfaketime itself, not the faketime command: the signal that
            # ends the program must reach the program, not a parent of it.
            libraries = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
            if not libraries:
                self.skipTest("libfaketime is not installed (faketime)")
            # libfaketime comes before the sanitizer's runtime.
            env.update(LD_PRELOAD=libraries[0], FAKETIME="@" + at,
                       FAKETIME_DONT_FAKE_MONOTONIC="1",
                       ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=0")
        with open(os.path.join(self.scratch, "program.log"), "wb") as log:
            self.program = subprocess.Popen(command, cwd=self.folder, env=env,
                                            stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        try:
            app = wait_for("selwarth on the accessibility bus", self.application, START_BOUND)
        except AssertionError:
            with open(os.path.join(self.scratch, "program.log"), "rb") as log:
                raise AssertionError("the program never showed up on %s; its output:\n%s"
                                     % (self.display, log.read().decode(errors="replace")))
        wait_for("a document", lambda: self.find(
            app, lambda node: node.getRole() == self.pyatspi.ROLE_DOCUMENT_FRAME), START_BOUND)
        return app

    def listen(self, *kinds):
        """The events of the kinds from now on, as a list that grows while
        the test polls it through events()."""
        from gi.repository import GLib
        heard = []
        self.pyatspi.Registry.registerEventListener(heard.append, *kinds)

        def events():
            while GLib.MainContext.default().iteration(False):
                pass
            return heard
        return events

    def focus_and_place(self, document, title):
        """Focuses the document and checks that its characters and paragraphs
        report where they are drawn."""
        pyatspi = self.pyatspi
        self.assertIn(pyatspi.STATE_FOCUSABLE, document.getState().getStates())
        document.queryComponent().grabFocus()
        wait_for("the document focused",
                 lambda: pyatspi.STATE_FOCUSED in document.getState().getStates(), STEP_BOUND)
        page = document.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        text = document.queryText()
        first, second, body = (text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
                               for offset in (0, 1, len(title) + 1))
        self.assertGreater(first[2] * first[3], 0, "the first character has no extents")
        self.assertTrue(page.x <= first[0] and page.y <= first[1] < page.y + page.height, first)
        self.assertEqual((second[0], second[1]), (first[0] + first[2], first[1]))
        self.assertGreater(body[1], first[1], "the body is not below its heading")
        # A line is a drawn row; the paragraphs are the entries' rows.
        line, start, end = text.getTextAtOffset(len(title) + 1, pyatspi.TEXT_BOUNDARY_LINE_START)
        last = text.getCharacterExtents(end - 2, pyatspi.DESKTOP_COORDS)
        self.assertEqual((start, last[1]), (len(title) + 1, body[1]), line)
        areas = [document.getChildAtIndex(i).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                 for i in (0, 1)]
        self.assertEqual(areas[0].y, first[1])
        self.assertLessEqual(areas[0].y + areas[0].height, areas[1].y)

    def test_the_days_text_is_read_from_the_running_program(self):
        app = self.start_program()
        document, text = self.document_text(app)
        self.assertIn(self.pyatspi.STATE_READ_ONLY, document.getState().getStates())
        self.assertEqual(normalised(text), self.qxp_today())
        # One paragraph a package's entry, named by its heading.
        headings = [document.getChildAtIndex(i).name for i in range(document.childCount)]
        self.assertEqual(len(headings), len([name for name in os.listdir(self.folder) if name.endswith(".QXP")]))
        self.assertEqual(headings[0], text.split("\n")[0])

        self.focus_and_place(document, headings[0])
        # The caret a reader moves is heard of.
        events = self.listen("object:text-caret-moved", "object:children-changed:add",
                             "object:text-changed:insert")
        document.queryText().setCaretOffset(5)
        wait_for("the caret moved", lambda: [e for e in events() if e.type.startswith(
            "object:text-caret-moved") and e.detail1 == 5], STEP_BOUND)
        self.assertEqual(document.queryText().caretOffset, 5)

        forward = self.find(app, lambda node: node.getRole() == self.pyatspi.ROLE_MENU_ITEM
                            and node.name == "Day Forward")
        self.assertIsNotNone(forward, "no menu item named \"Day Forward\"")
        forward.queryAction().doAction(0)
        tomorrow = self.qxp_today("--offset", "1")
        self.assertNotEqual(tomorrow, self.qxp_today())
        wait_for("the next day's text", lambda: normalised(self.document_text(app)[1]) == tomorrow,
                 STEP_BOUND)
        # The new paragraphs are announced, and the new text to the focused
        # document.
        heard = lambda kind: [e for e in events() if e.type.startswith(kind)]
        wait_for("paragraphs added", lambda: len(heard("object:children-changed:add")) >=
                 len(headings), STEP_BOUND)
        inserted = wait_for("the new text", lambda: heard("object:text-changed:insert"), STEP_BOUND)
        self.assertTrue(all(e.source == document for e in inserted), inserted)
        self.assertIn(self.pyatspi.STATE_FOCUSED, document.getState().getStates())

        # The concordance choices of DDE Settings (opened from the keyboard:
        # opening a modal dialog by an AT-SPI action would hold the call) are
        # radio buttons, not check boxes.
        radio = lambda node: node.getRole() == self.pyatspi.ROLE_RADIO_BUTTON

        def open_dde_settings():
            # On a busy machine "d" may come before the menu is open: then the
            # menu is closed again and the keys sent anew.
            subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+s"], env=self.environment(),
                           check=True, timeout=STEP_BOUND)
            time.sleep(0.5)
            subprocess.run(["xdotool", "key", "d"], env=self.environment(), check=True,
                           timeout=STEP_BOUND)
            try:
                return wait_for("a radio button in DDE Settings", lambda: self.find(app, radio), 10)
            except AssertionError:
                subprocess.run(["xdotool", "key", "Escape", "Escape"], env=self.environment(),
                               check=True, timeout=STEP_BOUND)
                return None

        for _ in range(3):
            if open_dde_settings():
                break
        wait_for("a radio button in DDE Settings", lambda: self.find(app, radio), STEP_BOUND)
        buttons = self.pyatspi.utils.findAllDescendants(app, radio)
        self.assertEqual(sorted(button.name for button in buttons),
                         ["Logos", "None", "Other", "QuickVerse", "SeedMaster", "Xiphos"])
        subprocess.run(["xdotool", "key", "Escape"], env=self.environment(), check=True,
                       timeout=STEP_BOUND)

        self.stop_program()

    def test_every_script_is_read_and_copied_as_it_is(self):
        # A UTF-8 package in place of the samples, built from its source.
        for name in os.listdir(self.folder):
            os.remove(os.path.join(self.folder, name))
        source = os.path.join(self.scratch, "scripts.qxs")
        with open(source, "w", encoding="utf-8") as out:
            out.write("Type: utf-8\nTitle: Κατὰ Ἰωάννην\nMarker: -\n")
            for slot in range(366):
                out.write("[slot %d]\nἘν ἀρχῇ ἦν ὁ λόγος. В начале было Слово. 太初有道，道与神同在。"
                          "בְּרֵאשִׁית בָּרָא. Cafe\u0301.\n-Ἰωάννης 1:1\n" % slot)
        subprocess.run([os.path.join(ARGS.bin, "qxp"), "build", source, "-o",
                        os.path.join(self.folder, "SCRIPTS.QXP")], check=True, timeout=STEP_BOUND)
        app = self.start_program()
        document, text = self.document_text(app)
        self.assertEqual(normalised(text), self.qxp_today())
        self.assertIn("太初有道，道与神同在。", text)
        # Each character, the Chinese ones and a letter with its mark too, is
        # drawn beside the one before it.
        characters = document.queryText()
        heading = "Κατὰ Ἰωάννην"
        extents = [characters.getCharacterExtents(offset, self.pyatspi.DESKTOP_COORDS)
                   for offset in range(len(heading))]
        self.assertTrue(all(box[2] > 0 for box in extents if box is not None), extents)
        self.assertEqual([box[0] + box[2] for box in extents[:-1]],
                         [box[0] for box in extents[1:]])
        # Copy Text puts the day in Unicode on the desktop's clipboard.
        document.queryComponent().grabFocus()
        wait_for("the document focused", lambda: self.pyatspi.STATE_FOCUSED in
                 document.getState().getStates(), STEP_BOUND)
        self.key("ctrl+c")
        copied = wait_for("the day on the clipboard", self.clipboard, STEP_BOUND)
        self.assertEqual(copied, self.qxp_today())
        self.stop_program()

    def open_from_menu(self, menu, item, what, opened):
        """Opens the menu and chooses its item by their keys until opened()
        finds what they open, and gives that: on a busy machine the item's
        key may come before the menu is open, and is then sent anew."""
        for _ in range(3):
            self.key(menu)
            time.sleep(0.5)
            self.key(item)
            try:
                return wait_for(what, opened, 10)
            except AssertionError:
                self.key("Escape", "Escape")
        return wait_for(what, opened, STEP_BOUND)

    def clipboard(self):
        """The desktop's clipboard as xclip reads it, normalised; "" while it
        holds no text."""
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.environment(),
                                capture_output=True, timeout=STEP_BOUND)
        return normalised(result.stdout.decode("utf-8", errors="replace")
                          if result.returncode == 0 else "")

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), env=self.environment(),
                       check=True, timeout=STEP_BOUND)

    def stop_program(self):
        self.program.send_signal(signal.SIGTERM)
        status = self.program.wait(timeout=STEP_BOUND)
        with open(os.path.join(self.scratch, "program.log"), "rb") as log:
            self.assertEqual(status, 0, log.read().decode(errors="replace"))

    def character_heights(self, app, line):
        """The drawn heights of the progress line's first character and of
        the first character of the body after it."""
        document, text = self.document_text(app)
        at = text.find(line)
        self.assertGreaterEqual(at, 0, text)
        body = at + len(line)
        while text[body] in "\n ":
            body += 1
        characters = document.queryText()
        return tuple(characters.getCharacterExtents(offset, self.pyatspi.DESKTOP_COORDS)[3]
                     for offset in (at, body))

    def assert_progress_line_as_large_as_its_body(self, app, line):
        progress, body = self.character_heights(app, line)
        self.assertGreater(body, 0)
        self.assertGreaterEqual(progress, body, "the progress line is drawn smaller than its body")

    def test_a_marked_reading_is_kept_and_catch_up_moves_the_plan(self):
        # The sample plan started so that today is its day 5, of which day 1
        # is read and days 2 to 4 were missed.
        settings = os.path.join(self.config, "selwarth", "SELWARTH.INI")
        with open(settings, "w") as stored:
            stored.write("[Selwarth]\nPlanOffset=%d\n[Plan Progress]\nplan=1\n"
                         % ((today_slot() - 4) % 365))
        read = lambda: normalised(self.document_text(app)[1])
        app = self.start_program()
        self.key("ctrl+m")
        marked = "Day 5 of 365 \u00b7 2 read \u00b7 3 behind"
        wait_for("today marked", lambda: marked in read(), STEP_BOUND, read)
        self.assertIn(marked, self.qxp_today("--progress"))
        # The line is drawn at least as large as the plan's readings below
        # it, at the normal size and zoomed in and out.
        self.assert_progress_line_as_large_as_its_body(app, marked)
        for zoom in ("ctrl+equal", "ctrl+equal", "ctrl+0", "ctrl+minus", "ctrl+minus"):
            before = self.character_heights(app, marked)
            self.key(zoom)
            wait_for("the text drawn at the new size",
                     lambda: self.character_heights(app, marked) != before, STEP_BOUND,
                     lambda: (before, self.character_heights(app, marked)))
            self.assert_progress_line_as_large_as_its_body(app, marked)
        self.key("ctrl+0")
        self.stop_program()

        app = self.start_program()
        wait_for("the line after a restart", lambda: marked in read(), STEP_BOUND, read)
        # The question is answered once it is up.
        yes = lambda node: (node.getRole() == self.pyatspi.ROLE_PUSH_BUTTON
                            and node.name.replace("&", "") == "Yes")
        self.open_from_menu("alt+s", "u", "the Catch Up question", lambda: self.find(app, yes))
        self.key("Return")  # Yes: move the start
        moved = "PlanOffset=%d" % ((today_slot() - 1) % 365)
        wait_for(moved, lambda: moved in Path(settings).read_text(), STEP_BOUND)
        caught_up = "Day 2 of 365 \u00b7 2 read \u00b7 all caught up"
        wait_for("the first unread day today", lambda: caught_up in read(), STEP_BOUND, read)
        self.stop_program()

    def test_ctrl_b_reads_the_days_passages_in_the_readers_bible(self):
        # Debian's Bibles, and none of the user's: HOME is the test's.
        for name in ("engKJV2006eb", "spaRV1909eb"):
            if not os.path.exists("/usr/share/sword/mods.d/%s.conf" % name):
                self.skipTest("sword-text-kjv and sword-text-sparv are not installed")
        labels = {"es": {"Morning": "Ma\u00f1ana", "Evening": "Noche",
                         "Daily Verse": "Vers\u00edculo del d\u00eda", "Proverb": "Proverbio"},
                  "en": {}}
        titles = {"es": "Pasajes del d\u00eda", "en": "Passages of the Day"}
        for language, label in labels.items():
            self.language = {"HOME": self.scratch, "LANGUAGE": language}
            printed = subprocess.run([os.path.join(ARGS.bin, "qxp"), "passages", "--utf8"],
                                     cwd=self.folder, env=self.environment(), capture_output=True,
                                     timeout=STEP_BOUND)
            self.assertEqual(printed.returncode, 0, printed.stderr.decode())
            title, expected = printed.stdout.decode("utf-8").split("\n", 1)
            self.assertEqual(title, "Passages of the Day - " + ("RV1909" if language == "es"
                                                                 else "KJV"))
            expected = normalised(expected)
            for english, local in label.items():
                expected = expected.replace("\n%s: " % english, "\n%s: " % local)
                if expected.startswith(english + ": "):
                    expected = local + expected[len(english):]
            app = self.start_program()
            caption = titles[language] + title[len("Passages of the Day"):]
            passages = lambda: self.find(app, lambda node: node.name == caption)
            for _ in range(3):  # a key may come before the window takes keys
                self.key("ctrl+b")
                try:
                    wait_for("the passages' window", passages, 10)
                    break
                except AssertionError:
                    pass
            view = wait_for("the passages' window", passages, STEP_BOUND)
            document = wait_for("its document", lambda: self.find(
                view, lambda node: node.name == {"es": "Pasajes", "en": "Passages"}[language]),
                STEP_BOUND)
            read = lambda: normalised(document.queryText().getText(0, -1))
            wait_for("the passages read", lambda: read() == expected, STEP_BOUND,
                     lambda: read()[:400] + "\n-- expected --\n" + expected[:400])
            self.key("ctrl+c")
            wait_for("the passages on the clipboard", lambda: self.clipboard() == expected,
                     STEP_BOUND)
            self.key("Escape")
            wait_for("the window closed", lambda: passages() is None, STEP_BOUND)
            self.stop_program()

    def devotional(self, root, name, days, description):
        """A daily devotional built with imp2ld below the library root, its
        conf in the root's mods.d: days maps "MM.DD" to the day's ThML."""
        imp = os.path.join(self.scratch, name + ".imp")
        with open(imp, "w", encoding="utf-8") as out:
            for key, text in sorted(days.items()):
                out.write("$$$%s\n%s\n" % (key, text))
        relative = "modules/lexdict/rawld4/%s/%s" % (name.lower(), name.lower())
        os.makedirs(os.path.dirname(os.path.join(root, relative)), exist_ok=True)
        subprocess.run(["imp2ld", imp, "-o", os.path.join(root, relative), "-4"], check=True,
                       capture_output=True, timeout=STEP_BOUND)
        os.makedirs(os.path.join(root, "mods.d"), exist_ok=True)
        with open(os.path.join(root, "mods.d", name.lower() + ".conf"), "w") as conf:
            conf.write("[%s]\nDataPath=./%s\nModDrv=RawLD4\nEncoding=UTF-8\nSourceType=ThML\n"
                       "Feature=DailyDevotion\nDescription=%s\n" % (name, relative, description))

    def test_a_devotional_is_among_the_days_entries(self):
        if shutil.which("imp2ld") is None:
            self.skipTest("imp2ld is not installed (libsword-utils)")
        heading = "Daily Light on the Daily Path"
        today = datetime.date.today()
        lacking = today + datetime.timedelta(days=1)
        key = lambda date: "%02d.%02d" % (date.month, date.day)
        every = days_of_a_leap_year()
        days = {key(date): "<p>Morning of %s.</p><p>Evening thoughts, caf\u00e9.</p>" % key(date)
                for date in every if key(date) != key(lacking)}
        # The reader's own library, and a folder of the packages that carries
        # a mods.d, as a download might: never read.
        self.language = {"HOME": self.scratch}
        self.devotional(os.path.join(self.scratch, ".sword"), "DailyLight", days, heading)
        self.devotional(self.folder, "Intruder", {key(d): "<p>Not the reader's.</p>" for d in every},
                        "Intruder's Devotional")
        read = lambda: normalised(self.document_text(app)[1])
        app = self.start_program()
        shown = "%s\nMorning of %s.\nEvening thoughts, caf\u00e9." % (heading, key(today))
        wait_for("the devotional shown", lambda: shown in read(), STEP_BOUND, read)
        # qxp today prints each entry's body on one line, as SELWARTH.TXT has it.
        one_line = "%s\nMorning of %s. Evening thoughts, caf\u00e9." % (heading, key(today))
        self.assertEqual(read().replace(shown, one_line), self.qxp_today())
        self.assertNotIn("Intruder", read())
        document = self.document_text(app)[0]
        document.queryComponent().grabFocus()
        wait_for("the document focused", lambda: self.pyatspi.STATE_FOCUSED in
                 document.getState().getStates(), STEP_BOUND)
        self.key("ctrl+c")
        wait_for("the devotional on the clipboard", lambda: shown in self.clipboard(), STEP_BOUND,
                 self.clipboard)
        # Tomorrow the module has nothing: no other day's text stands in.
        self.key("ctrl+Right")
        wait_for("the next day", lambda: read() == self.qxp_today("--offset", "1"), STEP_BOUND,
                 read)
        self.assertNotIn(heading, read())
        self.stop_program()

        app = self.start_program(at="2024-02-29 09:00:00")
        leap = "%s\nMorning of 02.29." % heading
        wait_for("the leap day's devotional", lambda: leap in read(), STEP_BOUND, read)
        self.stop_program()

        # Off in Package Settings, from the keyboard, and still off after a
        # restart; the module's files stay as they were.
        app = self.start_program()
        wait_for("the devotional shown", lambda: shown in read(), STEP_BOUND, read)
        self.key("ctrl+k")
        is_list = lambda node: node.getRole() == self.pyatspi.ROLE_LIST
        lists = lambda: self.pyatspi.utils.findAllDescendants(app, is_list)
        wait_for("the lists of Package Settings", lambda: len(lists()) == 4, STEP_BOUND)
        named = lambda where: self.find(where, lambda node: node.name == "DailyLight.sword")
        item = wait_for("the devotional among the enabled", lambda: named(lists()[0]), STEP_BOUND)
        subprocess.run(["xdotool", "type", "--delay", "20", "DailyLight"], env=self.environment(),
                       check=True, timeout=STEP_BOUND)
        wait_for("the devotional selected", lambda: self.pyatspi.STATE_SELECTED in
                 item.getState().getStates(), STEP_BOUND)
        self.key("alt+slash")  # On/Off
        wait_for("the devotional among the disabled", lambda: named(lists()[1]), STEP_BOUND)
        self.key("Return")  # OK
        wait_for("the day without it", lambda: heading not in read(), STEP_BOUND, read)
        settings = Path(self.config, "selwarth", "SELWARTH.INI").read_text()
        self.assertIn("dailylight.sword_enabled=0", settings)
        self.stop_program()
        app = self.start_program()
        wait_for("the day", lambda: "Through the Bible" in read(), STEP_BOUND, read)
        self.assertNotIn(heading, read())
        self.stop_program()

    def test_hostile_modules_leave_the_day_and_say_why_in_about_packages(self):
        if shutil.which("imp2ld") is None:
            self.skipTest("imp2ld is not installed (libsword-utils)")
        # As a download or a damaged disk may leave them: a FIFO for a
        # module's text (a reader that opened it would wait for ever), an
        # index whose every entry claims gigabytes, a conf of junk.
        library = os.path.join(self.scratch, ".sword")
        every = days_of_a_leap_year()
        days = {"%02d.%02d" % (d.month, d.day): "<p>Never shown.</p>" for d in every}
        for name in ("Fifo", "Huge"):
            self.devotional(library, name, days, "The %s devotional" % name)
        fifo = os.path.join(library, "modules/lexdict/rawld4/fifo/fifo.dat")
        os.remove(fifo)
        os.mkfifo(fifo)
        index = os.path.join(library, "modules/lexdict/rawld4/huge/huge.idx")
        with open(index, "r+b") as stored:
            size = os.path.getsize(index)
            for at in range(4, size - 3, 8):
                stored.seek(at)
                stored.write(b"\xf0\xff\xff\xff")
        with open(os.path.join(library, "mods.d", "junk.conf"), "wb") as junk:
            junk.write(bytes((n * 7919) % 256 for n in range(4096)))
        self.language = {"HOME": self.scratch}
        read = lambda: normalised(self.document_text(app)[1])
        app = self.start_program()
        wait_for("the day", lambda: "Through the Bible" in read(), STEP_BOUND, read)
        self.assertEqual(read(), self.qxp_today())
        self.assertNotIn("Never shown", read())
        # About Packages lists the module and says what is wrong with it.
        is_list = lambda node: node.getRole() == self.pyatspi.ROLE_LIST
        packages = self.open_from_menu("alt+h", "p", "the list of About Packages",
                                       lambda: self.find(app, is_list))
        item = wait_for("the FIFO's module listed", lambda: self.find(
            packages, lambda node: node.name == "Fifo.sword"), STEP_BOUND)
        subprocess.run(["xdotool", "type", "--delay", "20", "Fifo"], env=self.environment(),
                       check=True, timeout=STEP_BOUND)
        wait_for("the module selected", lambda: self.pyatspi.STATE_SELECTED in
                 item.getState().getStates(), STEP_BOUND)

        def description():
            edit = self.find(app, lambda node: node.name == "Description" and
                             node.getRole() in (self.pyatspi.ROLE_TEXT, self.pyatspi.ROLE_ENTRY))
            if edit is None:
                return ""
            text = edit.queryText()
            return text.getText(0, text.characterCount)
        said = wait_for("the reason shown", lambda: "FIFO" in description() and description(),
                        STEP_BOUND, description)
        self.assertIn("The Fifo devotional", said)
        self.assertIn("fifo.dat", said)
        self.key("Escape")
        self.stop_program()

    def test_a_german_desktop_gets_the_german_menu_bar(self):
        self.language = {"LANGUAGE": "de"}
        app = self.start_program()
        bar = self.find(app, lambda node: node.getRole() == self.pyatspi.ROLE_MENU_BAR)
        self.assertIsNotNone(bar, "no menu bar")
        names = [bar.getChildAtIndex(i).name for i in range(bar.childCount)]
        self.assertEqual(names[:5], ["Datei", "Einstellungen", "Optionen", "Verknüpfungen", "Hilfe"])

    def test_the_package_lists_are_named_in_the_desktops_language(self):
        # Each list is named by the label over it, as the label shows it.
        heard = {"es": ["Activados", "Desactivados", "Fuente", "Tama\u00f1o"],
                 "de": ["Aktiviert", "Deaktiviert", "Schrift", "Gr\u00f6\u00dfe"]}
        is_list = lambda node: node.getRole() == self.pyatspi.ROLE_LIST
        for language, names in heard.items():
            self.language = {"LANGUAGE": language}
            app = self.start_program()
            self.key("ctrl+k")
            wait_for("the lists of Package Settings", lambda: len(
                self.pyatspi.utils.findAllDescendants(app, is_list)) == 4, STEP_BOUND)
            lists = self.pyatspi.utils.findAllDescendants(app, is_list)
            self.assertEqual([node.name for node in lists], names, language)
            self.key("Escape")
            self.stop_program()

    def test_orca_reads_the_day_aloud(self):
        # Orca, running before the program starts as a user's does, logs
        # what it speaks, sound device or not. Its log goes to a terminal of
        # the test's own, which Python writes line by line (to a file, Orca's
        # log would wait in a buffer until it ends).
        self.pyatspi.Registry.getDesktop(0)
        terminal, orca_side = pty.openpty()
        orca = subprocess.Popen(["orca", "--user-prefs", os.path.join(self.scratch, "orca"),
                                 "--debug-file", "/dev/stdout"],
                                env=dict(self.environment(),
                                         XDG_CACHE_HOME=os.path.join(self.scratch, "cache")),
                                stdin=subprocess.DEVNULL, stdout=orca_side, stderr=orca_side)
        os.close(orca_side)
        log = []

        def drain():  # until Orca ends
            try:
                while chunk := os.read(terminal, 65536):
                    log.append(chunk)
            except OSError:
                pass
        threading.Thread(target=drain, daemon=True).start()

        def speech():
            lines = b"".join(log).decode("utf-8", errors="replace").splitlines()
            return "\n".join(line for line in lines if "SPEECH OUTPUT" in line)
        try:
            wait_for("Orca started", lambda: "Screen reader on" in speech(), START_BOUND, speech)
            # The focus arrives on the day's document, which Say All reads.
            self.start_program()
            wait_for("Orca on the document", lambda: "document" in speech(), START_BOUND, speech)
            subprocess.run(["xdotool", "key", "KP_Add"], env=self.environment(), check=True,
                           timeout=STEP_BOUND)
            first_verse = self.qxp_today().split("\n")[1]
            wait_for("the first verse spoken", lambda: first_verse in speech(), STEP_BOUND, speech)
        finally:
            end_process(orca, STEP_BOUND)
            os.close(terminal)

def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="the folder of the built programs")
    parser.add_argument("--samples", required=True, help="the folder of the sample packages")
    ARGS, rest = parser.parse_known_args()
    ARGS.bin = os.path.abspath(ARGS.bin)
    ARGS.samples = os.path.abspath(ARGS.samples)
    require_display_and("dbus-run-session", "orca", "xdotool", "xclip")
    if os.environ.get(INNER) != "1":
        # Again, inside a D-Bus session of its own that ends with it.
        command = ["dbus-run-session", "--", sys.executable] + sys.argv
        os.execvpe(command[0], command, dict(os.environ, **{INNER: "1"}))
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
