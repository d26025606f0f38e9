#!/usr/bin/python3
"""The arrow key's cost with a screen reader listening on the accessibility bus.

    bench/measure_reader.sh [build-folder]        (default: build)

which runs this under a session bus and an X server. Starts the bus of assistive tools,
listens for the focus and selection events as a reader does (and, as a reader does, asks
each event's object for its name and role, which the program answers over the bus), and
runs the benchmark's "reader" section on X11 with the toolkit's AT-SPI
bridge on. Prints the benchmark's rows and what the listener heard. Needs Debian's
at-spi2-core and python3-pyatspi.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as e:
    sys.exit(f"no AT-SPI binding for Python ({e}); install python3-pyatspi")

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def main(bench):
    if not os.path.exists(LAUNCHER) or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        sys.exit("no session bus or no at-spi-bus-launcher (at-spi2-core)")
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    heard = {"events": 0, "named": 0}

    def listener(event):
        heard["events"] += 1
        try:
            if event.source.name and event.source.getRoleName():
                heard["named"] += 1
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(
        listener, "object:state-changed:focused", "object:state-changed:selected", "focus:")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="C.UTF-8", LANGUAGE="en")
    run = subprocess.Popen([bench, "reader"], env=env)
    context = GLib.MainContext.default()
    try:
        while run.poll() is None:
            while context.pending():
                context.iteration(False)
            time.sleep(0.002)
        # What was still on its way.
        end = time.monotonic() + 2
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)
    finally:
        launcher.terminate()
    print(f"listener heard {heard['events']} events, read the name and role of {heard['named']}")
    return run.returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
