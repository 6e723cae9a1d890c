"""The daily reminder against real notification servers.

`selwarth --remind` runs in a folder of the sample packages at a time of
day that faketime gives it, on a private session bus (python3-dbusmock's),
against dbusmock's notification daemon, which records every call and sends
the server's signals when asked: with and without the "actions"
capability, Mark as Read writes the plan's day into SELWARTH.INI, Open
starts the launcher, a day already read or a window already shown sends
nothing, and without a server or a bus the program says so and fails at
once. With --dunst it runs against dunst on the X display run-on-desktop
gives it. `selwarth --reminder on|off|status` (what selwarth-remind runs)
writes and removes the timer. Every wait is bounded.
"""

import argparse
import configparser
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from bounded import end_process, wait_for  # noqa: E402

import dbus  # noqa: E402
import dbusmock  # noqa: E402

ARGS = None
BOUND = 60  # seconds: a sanitizer build on a busy machine
# 1 March 2026, a Sunday: slot 59, so plan day 60 with the plan's start at 0.
MORNING = "2026-03-01 07:30:00"
TODAY_TEXT = "Sun Mar 1, 2026"
PLAN_DAY = 60


class Reminder:
    """A folder of the samples and a settings folder of their own."""

    def __init__(self):
        self.scratch = tempfile.mkdtemp(prefix="selwarth-remind-")
        self.folder = os.path.join(self.scratch, "data")
        self.config = os.path.join(self.scratch, "config")
        os.makedirs(self.folder)
        os.makedirs(os.path.join(self.config, "selwarth"))
        for name in os.listdir(ARGS.samples):
            if name.upper().endswith(".QXP"):
                shutil.copy(os.path.join(ARGS.samples, name), self.folder)
        self.settings = os.path.join(self.config, "selwarth", "SELWARTH.INI")

    def remove(self):
        shutil.rmtree(self.scratch, ignore_errors=True)

    def environment(self, **extra):
        env = dict(os.environ)
        env.update({"XDG_CONFIG_HOME": self.config, "XDG_DATA_HOME": self.scratch,
                    "LANGUAGE": "en", "LC_ALL": "C.UTF-8", "FAKETIME_DONT_FAKE_MONOTONIC": "1",
                    # libfaketime comes before the sanitizer's runtime.
                    "ASAN_OPTIONS": "verify_asan_link_order=0:detect_leaks=0"})
        env.pop("SELWARTH_LAUNCHER", None)
        env.update(extra)
        return env

    def start(self, *words, **extra):
        command = ["faketime", MORNING, os.path.join(ARGS.bin, "selwarth")] + list(words)
        return subprocess.Popen(command, cwd=self.folder, env=self.environment(**extra),
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)

    def run(self, *words, **extra):
        program = self.start(*words, **extra)
        output, errors = program.communicate(timeout=BOUND)
        return program.returncode, output, errors

    def write_settings(self, text):
        with open(self.settings, "w") as stored:
            stored.write(text)

    def stored(self, section, key):
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.read(self.settings)
        return parser.get(section, key, fallback=None)

    def qxp_today(self):
        return subprocess.run(["faketime", MORNING, os.path.join(ARGS.bin, "qxp"), "today",
                               "--utf8"], cwd=self.folder, env=self.environment(),
                              capture_output=True, text=True, timeout=BOUND, check=True).stdout


class MockServerTest(dbusmock.DBusTestCase):
    @classmethod
    def setUpClass(cls):
        cls.start_session_bus()
        cls.bus = cls.get_dbus(system_bus=False)

    def setUp(self):
        self.day = Reminder()
        self.server = None

    def tearDown(self):
        if self.server is not None:
            end_process(self.server, 10)
        self.day.remove()

    def serve(self, capabilities):
        self.server, self.mock = self.spawn_server_template(
            "notification_daemon", {"capabilities": capabilities}, stdout=subprocess.DEVNULL)
        self.mock = dbus.Interface(self.mock, dbusmock.MOCK_IFACE)

    def notices(self):
        return [call[2] for call in self.mock.GetCalls() if call[1] == "Notify"]

    def shown(self, program):
        """The one Notify call, once made, while the program waits."""
        wait_for("the notification", lambda: self.notices() or program.poll() is not None, BOUND)
        notices = self.notices()
        self.assertEqual(len(notices), 1, program.poll() is not None and program.communicate())
        app, replaces, icon, summary, body, actions, hints, timeout = notices[0]
        return {"app": str(app), "icon": str(icon), "summary": str(summary), "body": str(body),
                "actions": [str(word) for word in actions],
                "desktop-entry": str(hints.get("desktop-entry", ""))}

    def answer(self, action):
        self.mock.EmitSignal("org.freedesktop.Notifications", "ActionInvoked", "us",
                             [dbus.UInt32(1), action])

    def test_mark_as_read_marks_the_plans_day_and_the_next_reminder_stays_away(self):
        self.serve("body actions")
        program = self.day.start("--remind")
        notice = self.shown(program)
        self.assertEqual(notice["app"], "Selwarth")
        self.assertEqual(notice["icon"], ARGS.app_id)
        self.assertEqual(notice["desktop-entry"], ARGS.app_id)
        self.assertEqual(notice["summary"], "Today's reading: day %d of 365" % PLAN_DAY)
        # The plan's readings and the day's verse, as qxp today gives them.
        today = self.day.qxp_today().splitlines()
        readings = today[today.index("Through the Bible in a Year") + 1]
        self.assertTrue(notice["body"].startswith(readings + "\n\n"), notice["body"])
        self.assertEqual(notice["actions"], ["open", "Open", "mark-read", "Mark as Read"])
        self.assertIsNone(program.poll(), "the reminder did not wait for the click")
        self.answer("mark-read")
        program.wait(timeout=BOUND)
        self.assertEqual(program.returncode, 0, program.stderr.read())
        self.assertEqual(self.day.stored("Plan Progress", "plan"), str(PLAN_DAY))
        # The day is read: the next reminder sends nothing.
        status, _, errors = self.day.run("--remind")
        self.assertEqual((status, errors), (0, ""))
        self.assertEqual(len(self.notices()), 1)

    def test_without_the_actions_capability_the_notice_has_none_and_waits_for_nothing(self):
        self.serve("body")
        status, _, errors = self.day.run("--remind")
        self.assertEqual((status, errors), (0, ""))
        notice = self.shown(subprocess.Popen(["true"]))
        self.assertEqual(notice["actions"], [])
        self.assertIn("Morning:", notice["body"])

    def test_a_server_that_reads_markup_gets_the_text_escaped(self):
        # A plan whose readings hold what markup gives a meaning to, alone.
        for name in os.listdir(self.day.folder):
            os.remove(os.path.join(self.day.folder, name))
        with open(os.path.join(ARGS.source, "packages", "plan.qxs"), encoding="utf-8") as source:
            text = source.read().replace("Morning: Leviticus 25 /", "Morning: <b>Job</b> & Ruth /")
        plan = os.path.join(self.day.scratch, "plan.qxs")
        with open(plan, "w", encoding="utf-8") as changed:
            changed.write(text)
        subprocess.run([os.path.join(ARGS.bin, "qxp"), "build", plan, "-o",
                        os.path.join(self.day.folder, "PLAN.QXP")], env=self.day.environment(),
                       check=True, timeout=BOUND, capture_output=True)
        for capabilities, shown in (("body body-markup actions", "&lt;b&gt;Job&lt;/b&gt; &amp; Ruth"),
                                    ("body actions", "<b>Job</b> & Ruth")):
            self.serve(capabilities)
            program = self.day.start("--remind")
            body = self.shown(program)["body"]
            # A click on an action not ours leaves the plan alone; the close
            # of the notice ends the wait.
            self.answer("none of ours")
            self.mock.EmitSignal("org.freedesktop.Notifications", "NotificationClosed", "uu",
                                 [dbus.UInt32(1), dbus.UInt32(2)])
            program.wait(timeout=BOUND)
            self.assertEqual(program.returncode, 0)
            self.assertEqual(body, "Morning: %s / Evening: Mark 4" % shown)
            self.assertEqual(self.day.stored("Plan Progress", "plan"), None)
            end_process(self.server, 10)
            self.server = None

    def test_open_starts_the_launcher(self):
        self.serve("body actions")
        started = os.path.join(self.day.scratch, "started")
        launcher = os.path.join(self.day.scratch, "launcher")
        with open(launcher, "w") as script:
            script.write("#!/bin/sh\necho \"$@\" > '%s'\n" % started)
        os.chmod(launcher, 0o755)
        program = self.day.start("--remind", SELWARTH_LAUNCHER=launcher)
        self.shown(program)
        self.answer("open")
        program.wait(timeout=BOUND)
        self.assertEqual(program.returncode, 0)
        wait_for("the launcher started", lambda: os.path.exists(started), BOUND)
        self.assertEqual(self.day.stored("Plan Progress", "plan"), None)

    def test_a_day_read_or_a_window_shown_today_sends_nothing(self):
        self.serve("body actions")
        for stored in ("[Plan Progress]\nplan=%d\n" % PLAN_DAY,
                       "[Selwarth]\nLastShown=%s\n" % TODAY_TEXT,
                       "[Selwarth]\nLastStartup=%s\n" % TODAY_TEXT):
            self.day.write_settings(stored)
            status, _, errors = self.day.run("--remind")
            self.assertEqual((status, errors), (0, ""), stored)
        self.assertEqual(self.notices(), [])
        # Without the plan (quote method Incremental), the verse comes all
        # the same on a day whose plan reading is read.
        self.day.write_settings("[Selwarth]\nQuoteMethod=Increment\n[Plan Progress]\nplan=%d\n"
                                % PLAN_DAY)
        program = self.day.start("--remind")
        notice = self.shown(program)
        self.assertEqual(notice["summary"], "Today's verse")
        self.assertEqual(notice["actions"], ["open", "Open"])
        end_process(program, 10)

    def test_in_spanish(self):
        self.serve("body actions")
        program = self.day.start("--remind", LANGUAGE="es")
        notice = self.shown(program)
        end_process(program, 10)
        self.assertEqual(notice["actions"][1::2], ["Abrir", "Marcar como leída"])
        self.assertEqual(notice["summary"], "Lectura de hoy: día %d de 365" % PLAN_DAY)

    def test_without_a_server_or_a_bus_it_says_so_at_once(self):
        started = time.monotonic()
        status, _, errors = self.day.run("--remind")
        self.assertEqual(status, 1)
        self.assertIn("no notification server", errors)
        status, _, errors = self.day.run("--remind",
                                         DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent/bus")
        self.assertEqual(status, 1)
        self.assertIn("no session bus", errors)
        self.assertLess(time.monotonic() - started, BOUND)

    def test_the_timer_is_written_shown_and_removed(self):
        units = os.path.join(self.day.config, "systemd", "user")
        # No user manager here: the reader is told what to run.
        env = {"XDG_RUNTIME_DIR": self.day.scratch, "DBUS_SESSION_BUS_ADDRESS": "unix:path=/none"}
        status, output, _ = self.day.run("--reminder", "on", "7:30", **env)
        self.assertEqual(status, 0)
        self.assertIn("systemctl --user daemon-reload && systemctl --user enable --now "
                      "selwarth-remind.timer", output)
        with open(os.path.join(units, "selwarth-remind.timer")) as timer:
            self.assertIn("OnCalendar=*-*-* 07:30:00\nPersistent=true\n", timer.read())
        with open(os.path.join(units, "selwarth-remind.service")) as service:
            self.assertIn('ExecStart="%s" --remind' % os.path.join(ARGS.bin, "selwarth"),
                          service.read())
        self.assertEqual(self.day.stored("Selwarth", "ReminderTime"), "07:30")
        self.assertEqual(self.day.run("--reminder", "status", **env)[:2], (0, "07:30\n"))
        for wrong in (["on", "25:00"], ["on"], ["sometimes"], []):
            self.assertEqual(self.day.run("--reminder", *wrong, **env)[0], 2, wrong)
        self.assertEqual(self.day.run("--reminder", "status", **env)[:2], (0, "07:30\n"))
        status, output, _ = self.day.run("--reminder", "off", **env)
        self.assertEqual(status, 0)
        self.assertEqual(os.listdir(units), [])
        self.assertEqual(self.day.run("--reminder", "status", **env)[:2], (1, "off\n"))


class DunstTest(unittest.TestCase):
    """A real notification server: dunst, on the X display of the test."""

    def test_dunst_shows_the_reminder_and_its_close_ends_it(self):
        if shutil.which("dunst") is None or not os.environ.get("DISPLAY"):
            self.skipTest("dunst and an X display are needed")
        day = Reminder()
        self.addCleanup(day.remove)
        config = os.path.join(day.scratch, "dunstrc")
        with open(config, "w") as rc:
            rc.write("[global]\nfont = DejaVu Sans 10\n")
        dunst = subprocess.Popen(["dunst", "-config", config], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        self.addCleanup(end_process, dunst, 10)
        bus = dbus.SessionBus()
        wait_for("dunst on the bus", lambda: bus.name_has_owner("org.freedesktop.Notifications"),
                 BOUND)
        program = day.start("--remind", LANGUAGE="de")
        self.addCleanup(end_process, program, 10)
        count = lambda: subprocess.run(["dunstctl", "count", "displayed"], capture_output=True,
                                       text=True, timeout=BOUND).stdout.strip()
        wait_for("the notification displayed", lambda: count() == "1", BOUND)
        self.assertIsNone(program.poll(), "the reminder did not wait for the click")
        subprocess.run(["dunstctl", "close"], check=True, timeout=BOUND)
        program.wait(timeout=BOUND)
        self.assertEqual(program.returncode, 0, program.stderr.read())
        history = json.loads(subprocess.run(["dunstctl", "history"], capture_output=True,
                                            text=True, timeout=BOUND, check=True).stdout)
        shown = history["data"][0][0]
        self.assertEqual(shown["appname"]["data"], "Selwarth")
        self.assertEqual(shown["summary"]["data"], "Heutige Lesung: Tag %d von 365" % PLAN_DAY)
        self.assertIn("Morning:", shown["body"]["data"])


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--samples", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--dunst", action="store_true", help="only the test against dunst")
    ARGS, rest = parser.parse_known_args()
    for tool in ("faketime", "dbus-daemon"):
        if shutil.which(tool) is None:
            sys.exit(tool + " is missing (scripts/install-deps.sh installs it)")
    tests = DunstTest if ARGS.dunst else MockServerTest
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(tests)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
