#!/usr/bin/python3
"""The real program as a screen reader hears it, on the desktop's accessibility bus.

    atspi_walk.py PROGRAM

Run under a session bus and an X server (dbus-run-session, xvfb-run). Starts the bus of
assistive tools, the program on a fresh settings folder, and listens as a reader does:
the chart is a table of the chart's rows and columns, each arrow key moves the focus to
the next element's cell by name, and the information window's values carry their
captions as labels. Exits 77 (skipped) when the bus or its Python binding is missing.
"""
import os
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


try:
    import pyatspi
    from gi.repository import GLib
except ImportError as e:
    skip(f"no AT-SPI binding for Python ({e}); Debian's python3-pyatspi provides it")

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def pump(seconds):
    """Lets the bus deliver what it has for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def find(accessible, predicate, depth=0):
    if accessible is None or depth > 12:
        return None
    if predicate(accessible):
        return accessible
    for i in range(accessible.childCount):
        try:
            found = find(accessible.getChildAtIndex(i), predicate, depth + 1)
        except Exception:
            continue
        if found is not None:
            return found
    return None


def application(name, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name:
                return app
        pump(0.2)
    return None


def key(window_name, keys):
    # No window manager: the window is given the input focus directly.
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{window_name}$"],
                           capture_output=True, text=True, timeout=10).stdout.split()
    if not found:
        return
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False, timeout=10)
    time.sleep(0.15)
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=False, timeout=10)


def main(program):
    if not os.path.exists(LAUNCHER) or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no session bus or no at-spi-bus-launcher (Debian's at-spi2-core)")
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    if launcher.poll() is not None:
        skip("the accessibility bus did not start")
    failures = []
    heard = []

    def listener(event):
        try:
            heard.append((event.type, event.source.name, event.source.getRoleName(), event.detail1))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused", "focus:")
    with tempfile.TemporaryDirectory() as settings:
        with open(os.path.join(settings, "auralis.ini"), "w") as ini:
            ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n[Settings]\n"
                      "Selected Element=3\n[Main Window]\nLeft=0\nTop=0\nWidth=900\n"
                      "Height=640\nMaximized=0\n")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LC_ALL="C.UTF-8", LANG="C.UTF-8")
        env.pop("LANGUAGE", None)
        run = subprocess.Popen([program, settings], env=env)
        try:
            app = application("auralis", 30)
            if app is None:
                failures.append("the program never appeared on the accessibility bus")
                return failures
            # The splash comes first; the chart follows it.
            table = None
            end = time.monotonic() + 30
            while table is None and time.monotonic() < end:
                pump(0.5)
                table = find(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
            pump(1.0)
            if table is None:
                failures.append("no table in the program's tree")
                return failures
            grid = table.queryTable()
            if (grid.nRows, grid.nColumns) != (9, 18):
                failures.append(f"the table has {grid.nRows} rows and {grid.nColumns} columns")
            iron = grid.getAccessibleAt(3, 7)
            if iron is None or iron.name != "Iron" or iron.getRole() != pyatspi.ROLE_TABLE_CELL:
                failures.append(f"row 4, column 8 is {iron and iron.name} ({iron and iron.getRoleName()})")
            lithium = grid.getAccessibleAt(1, 0)
            states = lithium.getState()
            for state, label in ((pyatspi.STATE_SELECTED, "selected"), (pyatspi.STATE_FOCUSABLE, "focusable"),
                                 (pyatspi.STATE_SELECTABLE, "selectable")):
                if not states.contains(state):
                    failures.append(f"lithium's cell is not {label}")

            # Walk the row with the arrow keys: lithium, then beryllium, boron, carbon.
            heard.clear()
            for _ in range(3):
                key("Auralis 1.8a", "Right")
                pump(0.6)
            focused = [name for kind, name, role, detail in heard
                       if kind.startswith("object:state-changed:focused") and detail == 1
                       and role == "table cell"]
            if focused[-3:] != ["Beryllium", "Boron", "Carbon"]:
                failures.append(f"the reader was told of the focus on {focused}")

            # The information window: a window whose values are labelled by their captions.
            key("Auralis 1.8a", "ctrl+i")
            pump(1.5)
            info = find(app, lambda a: a.name.endswith(" - Element Information"))
            if info is None:
                failures.append("no information window on the bus")
            else:
                if info.getRole() not in (pyatspi.ROLE_WINDOW, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
                    failures.append(f"the information window is a {info.getRoleName()}")
                weight = find(info, lambda a: a.name == "Atomic Weight:" and a.getRole() == pyatspi.ROLE_TEXT)
                if weight is None:
                    failures.append("no text field named 'Atomic Weight:'")
                else:
                    labels = [target.name for relation in weight.getRelationSet()
                              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                              for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
                    if "Atomic Weight:" not in labels:
                        failures.append(f"the atomic weight is labelled by {labels}")
        finally:
            run.terminate()
            try:
                run.wait(10)
            except subprocess.TimeoutExpired:
                run.kill()
            launcher.terminate()
    return failures


if __name__ == "__main__":
    found = main(sys.argv[1])
    for f in found:
        print("FAIL:", f)
    print("PASS" if not found else f"{len(found)} failure(s)")
    sys.exit(1 if found else 0)
