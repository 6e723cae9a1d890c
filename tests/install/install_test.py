"""The installed tree, as a person who installs Selwarth gets it.

Installs the build into a temporary prefix (with a space in its path, as a
home folder may have), checks the desktop entry, the AppStream metainfo, the
icons and the man pages with their validators, starts the installed launcher
under the offscreen platform with fresh XDG folders, sees the sample packages
loaded, ends it with SIGTERM, and checks the rule by which the launcher seeds
the data folder (never for a start that cannot open its window). The drawn
size of the text is measured beside it (drawn_text_size_test.py). Every
wait is bounded.
"""

import argparse
import gzip
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
import installed_tree  # noqa: E402

ARGS = None
HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
START_BOUND = 90  # seconds for the program to load the day (sanitizer build, busy machine)
EXIT_BOUND = 30
PACKAGE_BOUND = 300  # seconds for cpack, and for lintian, on the sanitizer build


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, timeout=120, **kwargs)


def png_size(path):
    with open(path, "rb") as file:
        head = file.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="selwarth-install-")
        cls.prefix = os.path.join(cls.scratch, "pre fix")
        installed_tree.install(ARGS.cmake, ARGS.build_dir, cls.prefix)
        cls.bin = os.path.join(cls.prefix, "bin")
        cls.programs = os.path.join(cls.prefix, "lib", "selwarth")
        cls.samples = os.path.join(cls.prefix, "share", "selwarth", "samples")
        cls.desktop_file = os.path.join(cls.prefix, "share", "applications", ARGS.app_id + ".desktop")
        cls.metainfo = os.path.join(cls.prefix, "share", "metainfo", ARGS.app_id + ".metainfo.xml")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def fresh_folder(self, name):
        path = os.path.join(tempfile.mkdtemp(dir=self.scratch), name)
        os.makedirs(path)
        return path

    def require_tool(self, name):
        path = shutil.which(name)
        if path is None:
            self.fail(name + " is missing (scripts/install-deps.sh installs it)")
        return path

    def desktop_entry(self, path):
        values = {}
        with open(path, encoding="utf-8") as file:
            for line in file:
                key, sep, value = line.rstrip("\n").partition("=")
                if sep and key not in values:
                    values[key] = value
        return values

    # The validators.

    def test_desktop_entry_and_metainfo_pass_their_validators(self):
        result = run([self.require_tool("desktop-file-validate"), self.desktop_file])
        self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
        result = run([self.require_tool("appstreamcli"), "validate", "--no-net", self.metainfo])
        self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
        with open(self.metainfo, encoding="utf-8") as file:
            metainfo = file.read()
        self.assertIn("<launchable type=\"desktop-id\">" + ARGS.app_id + ".desktop</launchable>", metainfo)
        self.assertIn("<release version=\"" + ARGS.version + "\"", metainfo)

    def test_the_icon_is_in_the_hicolor_theme_at_the_usual_sizes(self):
        icon = self.desktop_entry(self.desktop_file)["Icon"]
        self.assertEqual(icon, ARGS.app_id)
        for size in HICOLOR_SIZES:
            path = os.path.join(self.prefix, "share", "icons", "hicolor", "%dx%d" % (size, size), "apps", icon + ".png")
            self.assertEqual(png_size(path), (size, size), path)

    def test_man_pages_render_without_warnings(self):
        mandoc = self.require_tool("mandoc")
        for page in ("selwarth", "qxp", "selwarth-concordance", "selwarth-autostart"):
            path = os.path.join(self.prefix, "share", "man", "man1", page + ".1.gz")
            result = run([mandoc, "-T", "lint", "-W", "warning", path])
            self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
            with gzip.open(path, "rt", encoding="utf-8") as file:
                text = file.read()
            self.assertNotIn("@", text, page + ": a placeholder was left")
            if page == "selwarth":  # the installed places, for this prefix
                self.assertIn(self.programs + "/selwarth", text)

    def test_the_licence_and_the_documentation_are_installed(self):
        doc = os.path.join(self.prefix, "share", "doc", "selwarth")
        with open(os.path.join(doc, "copyright"), encoding="utf-8") as file:
            copyright_file = file.read()
        self.assertTrue(copyright_file.startswith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"))
        self.assertIn("License: GPL-2+", copyright_file)
        with gzip.open(os.path.join(doc, "changelog.gz"), "rt", encoding="utf-8") as file:
            self.assertTrue(file.readline().startswith("selwarth (%s)" % ARGS.version))
        self.assertTrue(os.path.isfile(os.path.join(doc, "package-source.md")))
        with open(self.metainfo, encoding="utf-8") as file:
            self.assertIn("<project_license>GPL-2.0-or-later</project_license>", file.read())

    def test_lintian_finds_no_error_in_the_deb(self):
        lintian = self.require_tool("lintian")
        output = os.path.join(self.scratch, "deb")
        result = subprocess.run([ARGS.cpack, "-G", "DEB", "-B", output], cwd=ARGS.build_dir,
                                capture_output=True, timeout=PACKAGE_BOUND)
        self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
        debs = [name for name in os.listdir(output) if name.endswith(".deb")]
        self.assertEqual(len(debs), 1, debs)
        deb = os.path.join(output, debs[0])
        result = subprocess.run([lintian, "--fail-on", "error", "--tag-display-limit", "0", deb],
                                capture_output=True, timeout=PACKAGE_BOUND)
        self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
        self.assertNotIn("E: ", result.stdout.decode())
        contents = run(["dpkg-deb", "--contents", deb]).stdout.decode().splitlines()  # no lintian override
        self.assertEqual([line for line in contents if "/lintian/overrides/" in line], [])
        self.assertIn("qt6-wayland", run(["dpkg-deb", "--field", deb, "Recommends"]).stdout.decode())

    # The programs.

    def test_programs_and_concordance_links_are_in_their_own_folder(self):
        for name in ("selwarth", "qxp", "selwarth-concordance"):
            self.assertTrue(os.access(os.path.join(self.programs, name), os.X_OK), name)
            headers = run(["readelf", "--program-headers", os.path.join(self.programs, name)]).stdout
            self.assertTrue(b"Requesting program interpreter" in headers, name + " is linked statically")
        for link in ("Logos", "QVWIN", "SMW"):
            self.assertEqual(os.readlink(os.path.join(self.programs, link)), "selwarth-concordance")
        result = run([os.path.join(self.bin, "qxp"), "--help"])
        self.assertEqual(result.returncode, 0)

    def test_a_concordance_link_serves_under_its_own_name(self):
        runtime = self.fresh_folder("runtime")
        os.chmod(runtime, 0o700)
        server = subprocess.Popen(
            [os.path.join(self.programs, "Logos"), "--no-window", "--exit-after", "30"],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
            env=dict(os.environ, XDG_RUNTIME_DIR=runtime))
        try:
            first_line = server.stdout.readline()  # ends by --exit-after at worst
            self.assertEqual(first_line, b'Serving "Logos"\n')
        finally:
            server.send_signal(signal.SIGTERM)
            self.assertEqual(server.wait(timeout=EXIT_BOUND), 0, server.stderr.read().decode())
            server.stdout.close()
            server.stderr.close()

    # The launcher.

    def start_launcher(self, home):
        """Starts the launcher the desktop entry names; returns the process."""
        command = self.desktop_entry(self.desktop_file)["Exec"]
        launcher = os.path.join(self.bin, command)
        self.assertTrue(os.access(launcher, os.X_OK), "Exec=" + command + " is not an installed program")
        environment = installed_tree.launcher_environment(home, QT_QPA_PLATFORM="offscreen")
        log = open(os.path.join(home["home"], "launcher.log"), "ab")
        try:
            return subprocess.Popen([launcher], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                    env=environment)
        finally:
            log.close()

    def run_until_day_loaded(self, home):
        """Starts the launcher, waits for SELWARTH.TXT, ends the program with
        SIGTERM; returns the program's PATH and working folder."""
        text_file = os.path.join(home["folder"], "SELWARTH.TXT")
        process = self.start_launcher(home)
        try:
            deadline = time.monotonic() + START_BOUND
            while not os.path.exists(text_file):
                if process.poll() is not None:
                    self.fail("the program ended with %d before loading the day:\n%s"
                              % (process.returncode, self.launcher_log(home)))
                if time.monotonic() > deadline:
                    self.fail("no SELWARTH.TXT after %d s:\n%s" % (START_BOUND, self.launcher_log(home)))
                time.sleep(0.1)
            # The launcher replaced itself by the program.
            with open("/proc/%d/environ" % process.pid, "rb") as file:
                environment = dict(item.split(b"=", 1) for item in file.read().split(b"\0") if b"=" in item)
            working_folder = os.readlink("/proc/%d/cwd" % process.pid)
            program = os.readlink("/proc/%d/exe" % process.pid)
            process.send_signal(signal.SIGTERM)
            status = process.wait(timeout=EXIT_BOUND)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.assertEqual(status, 0, self.launcher_log(home))
        self.assertEqual(program, os.path.join(self.programs, "selwarth"))
        return environment[b"PATH"].decode(), working_folder

    def launcher_log(self, home):
        with open(os.path.join(home["home"], "launcher.log"), "rb") as file:
            return file.read().decode(errors="replace")

    def sample_fonts(self, home):
        """{package: (face, size)} of the font keys in SELWARTH.INI."""
        keys = installed_tree.settings(home)
        packages = {key[:-len(suffix)] for key in keys for suffix in ("_fontname", "_fontsize")
                    if key.endswith(suffix)}
        return {package: (keys.get(package + "_fontname", ""), int(keys.get(package + "_fontsize", 0)))
                for package in packages}

    def default_font(self, home):
        keys = installed_tree.settings(home)
        return keys.get("defaultfontname", ""), int(keys.get("defaultfontsize", 0))

    def qxp_today(self, home):
        result = run([os.path.join(self.bin, "qxp"), "today"], cwd=home["folder"],
                     env=dict(os.environ, XDG_CONFIG_HOME=home["config"]))
        return result.stdout

    def sample_titles(self):
        titles = {}
        for name in sorted(os.listdir(self.samples)):
            if not name.endswith(".QXP"):
                continue
            result = run([os.path.join(self.bin, "qxp"), "dump", os.path.join(self.samples, name)])
            self.assertEqual(result.returncode, 0, name)
            titles[name] = [line[len("Title:"):].strip().encode("cp1252")
                            for line in result.stdout.decode("utf-8").splitlines() if line.startswith("Title:")]
        self.assertGreaterEqual(len(titles), 5)
        return titles

    def test_the_launcher_runs_the_samples_in_a_fresh_data_folder_and_seeds_it_once(self):
        home = installed_tree.fresh_home(self.scratch)
        os.makedirs(os.path.join(home["config"], "selwarth"))
        # The day's text goes to SELWARTH.TXT, the verse to the screen saver text.
        with open(os.path.join(home["config"], "selwarth", "SELWARTH.INI"), "w") as file:
            file.write("[Selwarth]\nSaveFile=1\nQuoteMethod=Date\nScreenSaver=1\nSaverTitle=verse.qxp\n")

        # The first start: every sample copied, the day loaded from them.
        day = time.strftime("%Y-%m-%d")
        path, working_folder = self.run_until_day_loaded(home)
        self.assertEqual(working_folder, home["folder"])
        self.assertEqual(path.split(":")[0], self.programs)
        for name in os.listdir(self.samples):
            with open(os.path.join(self.samples, name), "rb") as a, open(os.path.join(home["folder"], name), "rb") as b:
                self.assertEqual(a.read(), b.read(), name)
        with open(os.path.join(home["folder"], "SELWARTH.TXT"), "rb") as file:
            saved = file.read()
        for name, titles in self.sample_titles().items():
            self.assertTrue(any(title in saved for title in titles), "%s is not in SELWARTH.TXT:\n%r" % (name, saved))
        # The packages got a readable default font, the samples no keys of
        # their own.
        self.assertEqual(self.sample_fonts(home), {})
        fonts = self.default_font(home)
        self.assertNotIn(fonts[0], ("", "System"))
        self.assertGreaterEqual(fonts[1], 12)
        today = self.qxp_today(home)
        if time.strftime("%Y-%m-%d") == day:  # not across midnight
            self.assertEqual(saved, today)
        marquee = run([os.path.join(self.bin, "qxp"), "marquee", "--utf8"],
                      env=dict(os.environ, XDG_CONFIG_HOME=home["config"]))
        self.assertEqual(marquee.returncode, 0, marquee.stderr.decode())
        self.assertIn(marquee.stdout.decode("utf-8")[:40].encode("cp1252"), saved)

        # The user changes a picture, deletes a package and turns another off;
        # an update brings two new samples, one of them a name the user already
        # has in other letters.
        tabernacle = os.path.join(home["folder"], "TABERNAC.QXR")
        with open(tabernacle, "wb") as file:
            file.write(b"mine")
        os.remove(os.path.join(home["folder"], "VERSE.QXP"))
        os.rename(os.path.join(home["folder"], "QUIZ.QXP"), os.path.join(home["folder"], "QUIZ.OFF"))
        os.remove(os.path.join(home["folder"], "SELWARTH.TXT"))
        shutil.copy(os.path.join(self.samples, "LANDS.QXR"), os.path.join(self.samples, "NEWMAP.QXR"))
        shutil.copy(os.path.join(self.samples, "LANDS.QXR"), os.path.join(self.samples, "OTHER.QXR"))
        with open(os.path.join(home["folder"], "other.qxr"), "wb") as file:
            file.write(b"the user's own")
        try:
            self.run_until_day_loaded(home)
        finally:
            os.remove(os.path.join(self.samples, "NEWMAP.QXR"))
            os.remove(os.path.join(self.samples, "OTHER.QXR"))

        names = set(os.listdir(home["folder"]))
        with open(tabernacle, "rb") as file:
            self.assertEqual(file.read(), b"mine")
        self.assertNotIn("VERSE.QXP", names)
        self.assertNotIn("QUIZ.QXP", names)
        self.assertIn("QUIZ.OFF", names)
        self.assertIn("NEWMAP.QXR", names)
        self.assertNotIn("OTHER.QXR", names)
        with open(os.path.join(home["folder"], "other.qxr"), "rb") as file:
            self.assertEqual(file.read(), b"the user's own")
        self.assertEqual([name for name in names if name.endswith(".partial")], [])
        with open(os.path.join(home["folder"], "SELWARTH.TXT"), "rb") as file:
            saved = file.read()
        # Only the first start gave a font; what it gave stays.
        self.assertEqual(self.sample_fonts(home), {})
        self.assertEqual(self.default_font(home), fonts)
        self.assertIn(b"Through the Bible in a Year", saved)
        self.assertNotIn(b"Daily Verse - King James Version", saved)
        self.assertNotIn(b"Daily Bible Quiz", saved)

    def test_samples_with_odd_names_are_noted_once_and_matched_by_their_own_name(self):
        # Names the shell could read as options or patterns: a leading "-",
        # echo's "-n", and a "?" that would match the user's own file.
        odd = ["-n", "-leading.QXR", "MAPS?.QXR"]
        home = installed_tree.fresh_home(self.scratch)
        os.makedirs(os.path.join(home["config"], "selwarth"))
        with open(os.path.join(home["config"], "selwarth", "SELWARTH.INI"), "w") as file:
            file.write("[Selwarth]\nSaveFile=1\n")  # a start is seen through SELWARTH.TXT
        os.makedirs(home["folder"])
        with open(os.path.join(home["folder"], "maps1.qxr"), "wb") as file:
            file.write(b"the user's own")
        for name in odd:
            shutil.copy(os.path.join(self.samples, "LANDS.QXR"), os.path.join(self.samples, name))
        try:
            self.run_until_day_loaded(home)
            os.remove(os.path.join(home["folder"], "SELWARTH.TXT"))
            self.run_until_day_loaded(home)
        finally:
            for name in odd:
                os.remove(os.path.join(self.samples, name))
        with open(os.path.join(home["folder"], ".selwarth-samples"), encoding="utf-8") as file:
            noted = file.read().splitlines()
        for name in odd:
            self.assertEqual(noted.count(name), 1, "%s noted %d times:\n%s\n%s"
                             % (name, noted.count(name), noted, self.launcher_log(home)))
        with open(os.path.join(home["folder"], "MAPS?.QXR"), "rb") as a, \
                open(os.path.join(self.samples, "LANDS.QXR"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        with open(os.path.join(home["folder"], "maps1.qxr"), "rb") as file:
            self.assertEqual(file.read(), b"the user's own")

    def test_the_launcher_answers_version_and_help_without_a_display_or_data_folder(self):
        home = self.fresh_folder("home")
        environment = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                           XDG_CONFIG_HOME=os.path.join(home, "config"),
                           DISPLAY="", WAYLAND_DISPLAY="", QT_QPA_PLATFORM="")
        launcher = os.path.join(self.bin, "selwarth")
        result = run([launcher, "--version"], env=environment)
        self.assertEqual(result.returncode, 0, result.stderr.decode())
        self.assertEqual(result.stdout.decode(), "selwarth %s\n" % ARGS.version)
        self.assertEqual(run([launcher, "--help"], env=environment).returncode, 0)
        # The installed program finds its catalogs.
        result = run([launcher, "--help"], env=dict(environment, LANGUAGE="de"))
        self.assertTrue(result.stdout.decode().startswith("Aufruf: selwarth"), result.stdout.decode())
        self.assertEqual(os.listdir(home), [])
        # Without a display a start says so in one line.
        result = run([launcher], env=environment)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(len(result.stderr.decode().splitlines()), 1, result.stderr.decode())
        # None of these used up the first start in a new data folder.
        self.assertEqual(os.listdir(home), [])

    def test_a_display_that_does_not_answer_leaves_the_first_start_for_later(self):
        x_display = next(":%d" % number for number in range(4321, 4400)
                         if not os.path.exists("/tmp/.X11-unix/X%d" % number))
        for named in ({"DISPLAY": x_display, "QT_QPA_PLATFORM": ""},
                      {"WAYLAND_DISPLAY": "/nonexistent/wayland-0", "QT_QPA_PLATFORM": "wayland"}):
            home = self.fresh_folder("home")
            environment = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                               XDG_CONFIG_HOME=os.path.join(home, "config"), DISPLAY="", WAYLAND_DISPLAY="")
            environment.update(named)
            result = run([os.path.join(self.bin, "selwarth")], env=environment)
            self.assertEqual(result.returncode, 1, named)
            self.assertIn("cannot open a window", result.stderr.decode().splitlines()[-1], named)
            # No data folder, no samples, no fonts given: the next start that
            # opens its window is still the first.
            self.assertEqual(os.listdir(home), [], named)

    # The start at log-in.

    def test_autostart_entry_is_added_valid_and_removed(self):
        config = self.fresh_folder("config")
        command = os.path.join(self.bin, "selwarth-autostart")
        environment = dict(os.environ, XDG_CONFIG_HOME=config)
        entry = os.path.join(config, "autostart", ARGS.app_id + ".desktop")

        self.assertEqual(run([command, "status"], env=environment).returncode, 1)
        result = run([command, "on"], env=environment)
        self.assertEqual(result.returncode, 0, result.stderr.decode())
        result = run([self.require_tool("desktop-file-validate"), entry])
        self.assertEqual(result.returncode, 0, result.stdout.decode() + result.stderr.decode())
        # The launcher by its full path, quoted for the space in it, marked
        # as the start at log-in; TryExec lets desktops skip the entry once
        # the launcher is uninstalled.
        launcher = os.path.join(self.bin, "selwarth")
        self.assertEqual(self.desktop_entry(entry)["Exec"], '"%s" --autostart' % launcher)
        self.assertEqual(self.desktop_entry(entry)["TryExec"], launcher)
        self.assertEqual(self.desktop_entry(entry)["Icon"], ARGS.app_id)
        self.assertEqual(run([command, "status"], env=environment).returncode, 0)

        self.assertEqual(run([command, "off"], env=environment).returncode, 0)
        self.assertFalse(os.path.exists(entry))
        self.assertEqual(run([command, "status"], env=environment).returncode, 1)
        self.assertEqual(run([command, "sometimes"], env=environment).returncode, 2)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--version", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
