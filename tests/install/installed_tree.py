"""What the tests of the installed tree share: the install into a prefix, and
a new user's folders (HOME and the XDG ones) with the environment that
points the launcher at them."""

import os
import subprocess
import tempfile


def install(cmake, build_dir, prefix):
    """cmake --install of the build into prefix; raises when it fails."""
    result = subprocess.run([cmake, "--install", build_dir, "--prefix", prefix],
                            capture_output=True, timeout=120)
    if result.returncode != 0:
        raise AssertionError("cmake --install failed:\n" + result.stdout.decode() + result.stderr.decode())


def fresh_home(scratch):
    """New, empty folders for a user who never ran Selwarth: {"home",
    "config", "cache", "runtime"} made, "data" (the XDG data home) and
    "folder" (the launcher's data folder in it) not made yet."""
    home = {name: os.path.join(tempfile.mkdtemp(dir=scratch), name)
            for name in ("home", "config", "cache", "runtime")}
    for path in home.values():
        os.makedirs(path)
    os.chmod(home["runtime"], 0o700)
    home["data"] = os.path.join(home["home"], "data")
    home["folder"] = os.path.join(home["data"], "selwarth")
    return home


def launcher_environment(home, **more):
    """The caller's environment with the user's folders of fresh_home, and more."""
    return dict(os.environ, HOME=home["home"], XDG_DATA_HOME=home["data"],
                XDG_CONFIG_HOME=home["config"], XDG_CACHE_HOME=home["cache"],
                XDG_RUNTIME_DIR=home["runtime"], **more)


def settings(home):
    """The keys of home's SELWARTH.INI, lower case, as texts ({} while
    there is no file)."""
    path = os.path.join(home["config"], "selwarth", "SELWARTH.INI")
    keys = {}
    if os.path.exists(path):
        with open(path, encoding="cp1252") as file:
            for line in file:
                key, sep, value = line.strip().partition("=")
                if sep:
                    keys[key.strip().lower()] = value.strip()
    return keys
