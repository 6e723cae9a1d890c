"""The size of the text a new user sees, measured on the screen.

Runs on an X desktop of its own (ctest: run-on-desktop openbox -- ...).
Installs the build into a temporary prefix and starts the installed launcher
with fresh XDG folders, as a new user would; grabs its window (ImageMagick's
import) and measures the drawn text: the mean height of the letters, the
shapes of dark pixels below the menu bar. That is compared with the same
day's text drawn with the program's defaults (the 10-pixel System cell);
then the text is zoomed in with Ctrl+Plus, the program closed by File >
Exit and started again, where the zoom is kept. Every wait is bounded: a
program that never shows its window fails the test, it does not hang.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
import installed_tree  # noqa: E402
import bounded  # noqa: E402

ARGS = None
START_BOUND = 90  # seconds for a window with its text (sanitizer build, busy machine)
STEP_BOUND = 30
ZOOM_STEPS = 3  # Ctrl+Plus from 100 %: 110, 125, 150
ZOOMED = 150
DARK = bytes(1 if value < 128 else 0 for value in range(256))  # ink, in a grey picture


def grey_picture(window):
    """The window's pixels as (width, height, one grey byte a pixel), or None."""
    result = subprocess.run(["import", "-silent", "-window", window, "-depth", "8", "pgm:-"],
                            capture_output=True, timeout=STEP_BOUND)
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", result.stdout)
    if result.returncode != 0 or header is None:
        return None
    width, height = int(header.group(1)), int(header.group(2))
    pixels = result.stdout[header.end():]
    return (width, height, pixels) if len(pixels) == width * height else None


def shapes(width, rows):
    """Bounding boxes [left, top, right, bottom] of the 8-connected shapes of
    ink in rows (one byte string of 0 and 1 a row): runs of ink joined to the
    runs they touch in the row above."""
    parent = []
    boxes = []

    def root(index):
        while parent[index] != index:
            parent[index] = parent[parent[index]]
            index = parent[index]
        return index

    above = []
    for y, row in enumerate(rows):
        here = []
        for run in re.finditer(b"\x01+", row):
            left, right = run.start(), run.end() - 1
            index = len(parent)
            parent.append(index)
            boxes.append([left, y, right, y])
            for other_left, other_right, other in above:
                if other_left <= right + 1 and left <= other_right + 1:
                    a, b = root(index), root(other)
                    if a != b:
                        parent[b] = a
                        boxes[a] = [min(boxes[a][0], boxes[b][0]), min(boxes[a][1], boxes[b][1]),
                                    max(boxes[a][2], boxes[b][2]), max(boxes[a][3], boxes[b][3])]
            here.append((left, right, index))
        above = here
    return [boxes[index] for index in range(len(parent)) if root(index) == index]


def letter_heights(picture):
    """The heights of the letters drawn in the verse window: shapes at least
    3 pixels tall (no dots, commas or hyphens) and not much wider than tall
    (no underline or answers bar). The verse window starts at the first row
    whose left pixel has the colour of the window's bottom left corner; the
    menu bar above it has another."""
    width, height, pixels = picture
    background = pixels[(height - 1) * width]
    top = next((y for y in range(height) if pixels[y * width] == background), height)
    rows = [pixels[y * width:(y + 1) * width].translate(DARK) for y in range(top, height)]
    heights = []
    for left, upper, right, lower in shapes(width, rows):
        tall, wide = lower - upper + 1, right - left + 1
        if tall >= 3 and wide <= 2 * tall + 2:
            heights.append(tall)
    return heights


def wait_for(what, condition, bound, log=lambda: ""):
    """bounded.wait_for, polling less often: a poll may grab the window."""
    return bounded.wait_for(what, condition, bound, log, every=0.3)


def xdotool(*arguments):
    return subprocess.run(["xdotool"] + list(arguments), capture_output=True, timeout=STEP_BOUND)


class DrawnTextSize(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="selwarth-drawn-")
        self.prefix = os.path.join(self.scratch, "pre fix")
        installed_tree.install(ARGS.cmake, ARGS.build_dir, self.prefix)
        self.process = None
        self.log = os.path.join(self.scratch, "program.log")

    def tearDown(self):
        bounded.end_process(self.process, STEP_BOUND)
        shutil.rmtree(self.scratch, ignore_errors=True)

    def program_log(self):
        with open(self.log, "rb") as file:
            return "The program printed:\n" + file.read().decode(errors="replace")

    def start(self, command, home, **options):
        """Starts command as home's user; waits for its window, drawn and
        still; returns the window's id and the mean letter height."""
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(command, env=installed_tree.launcher_environment(home),
                                            stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                            **options)

        def window():
            if self.process.poll() is not None:
                self.fail("the program ended with %d\n%s" % (self.process.returncode, self.program_log()))
            found = xdotool("search", "--onlyvisible", "--class", "^Selwarth$").stdout.split()
            return found[0].decode() if found else None

        window_id = wait_for("Selwarth window", window, START_BOUND, self.program_log)
        return window_id, self.steady_text_height(window_id, lambda height: True)

    def steady_text_height(self, window_id, wanted):
        """The mean letter height once two grabs in a row agree and wanted
        holds for it."""
        last = [None]

        def steady():
            picture = grey_picture(window_id)
            heights = letter_heights(picture) if picture else []
            mean = sum(heights) / len(heights) if len(heights) >= 50 else None
            agreed = mean is not None and mean == last[0] and wanted(mean)
            last[0] = mean
            return mean if agreed else None

        return wait_for("steady text in window " + window_id, steady, START_BOUND,
                        lambda: "The last mean height: %s\n%s" % (last[0], self.program_log()))

    def exit_by_menu(self, window_id):
        """File > Exit from the keyboard; the program must end with 0."""
        for _ in range(3):  # a key may come before the menu is open
            xdotool("windowactivate", "--sync", window_id)
            xdotool("key", "--clearmodifiers", "Escape")
            xdotool("key", "--clearmodifiers", "alt+f")
            time.sleep(1)
            xdotool("key", "--clearmodifiers", "x")
            try:
                status = self.process.wait(timeout=10)
                break
            except subprocess.TimeoutExpired:
                continue
        else:
            self.fail("File > Exit did not end the program\n" + self.program_log())
        self.assertEqual(status, 0, self.program_log())

    def test_the_first_start_draws_readable_text_and_zoom_is_kept(self):
        day = time.strftime("%Y-%m-%d")
        launcher = os.path.join(self.prefix, "bin", "selwarth")
        program = os.path.join(self.prefix, "lib", "selwarth", "selwarth")
        samples = os.path.join(self.prefix, "share", "selwarth", "samples")

        # What the program's defaults draw: the samples started by hand, no
        # font of their own, so every package in the 10-pixel System cell.
        plain = installed_tree.fresh_home(self.scratch)
        shutil.copytree(samples, plain["folder"])
        window_id, system_cell = self.start([program], plain, cwd=plain["folder"])
        self.exit_by_menu(window_id)
        self.assertFalse(any(key.endswith("_fontname") for key in installed_tree.settings(plain)))

        # A new user's first start: the readable fonts, at least the 12-pixel
        # cell the program gives at the least, so more than 1.2 times the
        # System cell's letters, less what rounding to pixels takes.
        home = installed_tree.fresh_home(self.scratch)
        window_id, readable = self.start([launcher], home)
        self.assertGreater(readable, 1.15 * system_cell,
                           "letters %.2f pixels tall against the System cell's %.2f" % (readable, system_cell))
        # Not the whole screen: about two thirds of it, centred.
        screen = [int(side) for side in xdotool("getdisplaygeometry").stdout.split()]
        place = dict(line.split("=", 1) for line in
                     xdotool("getwindowgeometry", "--shell", window_id).stdout.decode().split())
        for start, size, side in ((place["X"], place["WIDTH"], screen[0]), (place["Y"], place["HEIGHT"], screen[1])):
            self.assertAlmostEqual(int(size) / side, 2 / 3, delta=0.08, msg="%s of %d" % (place, side))
            self.assertAlmostEqual((int(start) + int(size) / 2) / side, 1 / 2, delta=0.05, msg="%s of %d" % (place, side))

        # Zoom in from the keyboard: kept as it changes, and the drawn
        # letters grow (150 % of the cell, less the rounding).
        xdotool("windowactivate", "--sync", window_id)
        for _ in range(ZOOM_STEPS):
            xdotool("key", "--clearmodifiers", "ctrl+plus")
        wait_for("Zoom=%d" % ZOOMED, lambda: installed_tree.settings(home).get("zoom") == str(ZOOMED), STEP_BOUND,
                 self.program_log)
        zoomed = self.steady_text_height(window_id, lambda height: height > 1.2 * readable)

        # Closed by its Exit command and started again: the zoom is kept. The
        # packages are now the user's own, added after the first start (the
        # samples under other names, in the same order): as readable.
        self.exit_by_menu(window_id)
        self.assertEqual(installed_tree.settings(home).get("zoom"), str(ZOOMED))
        for name in os.listdir(home["folder"]):
            if name.endswith(".QXP"):
                os.rename(os.path.join(home["folder"], name), os.path.join(home["folder"], "MY" + name))
        window_id, again = self.start([launcher], home)
        self.exit_by_menu(window_id)
        print("Mean letter height, pixels: System cell %.2f, first start %.2f, zoomed %.2f, started again %.2f"
              % (system_cell, readable, zoomed, again), file=sys.stderr)
        if time.strftime("%Y-%m-%d") != day:
            self.skipTest("the day's text changed at midnight during the test")
        self.assertAlmostEqual(again, zoomed, delta=0.02 * zoomed)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build-dir", required=True)
    ARGS, rest = parser.parse_known_args()
    bounded.require_display_and("import", "xdotool")
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
