"""What the Python tests that run our programs on a desktop share: waits
that give up after a bound instead of hanging, the ending of a program the
test started, and the checks before the tests run."""

import os
import shutil
import signal
import subprocess
import sys
import time


def wait_for(what, condition, bound, log=lambda: "", every=0.2):
    """condition's first true value, polled every `every` seconds; raises
    AssertionError naming what (and log's text) when bound seconds pass."""
    deadline = time.monotonic() + bound
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(every)
    details = log()
    raise AssertionError("no %s after %d s" % (what, bound) + ("\n" + details if details else ""))


def end_process(process, bound):
    """Ends process if it still runs: SIGTERM, then after bound seconds
    SIGKILL; reaps it either way."""
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=bound)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def require_display_and(*tools):
    """Exits with the reason unless every tool is on PATH and an X display is
    set (the tests run under run-on-desktop)."""
    for tool in tools:
        if shutil.which(tool) is None:
            sys.exit(tool + " is missing (scripts/install-deps.sh installs it)")
    if not os.environ.get("DISPLAY"):
        sys.exit("no X display: run it as run-on-desktop openbox -- " + " ".join(sys.argv))
