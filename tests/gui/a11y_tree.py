# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program's accessible tree from outside, as a screen reader does: the real scrivane
# with a reader and a plan, under Xvfb, on the AT-SPI bus of a session bus of its own
# (run inside dbus-run-session). Usage: a11y_tree.py SCRIVANE SCRIVANE-CLI
import os
import random
import re
import socket
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# libatspi marks some of the calls used here deprecated; they are the ones pyatspi itself makes.
warnings.simplefilter("ignore", DeprecationWarning)

TODAY = "2026-12-07"
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def wait_for(what, probe, seconds=40.0):
    """Polls probe until it gives something; the tree appears a while after the window."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        # The events a listener waits for arrive through the main context.
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        try:
            found = probe()
        except Exception:  # an object may vanish while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("timed out waiting for " + what)


def walk(node, depth=0, limit=2000):
    """Every object below node; the coverage map's 1189 chapters are left to a check of their own."""
    out = [node]
    if depth > 40 or (depth > 0 and role_of(node) == "tree item"):
        return out
    try:
        n = min(node.get_child_count(), limit)
    except Exception:
        return out
    for i in range(n):
        try:
            child = node.get_child_at_index(i)
        except Exception:
            continue
        if child is not None:
            out += walk(child, depth + 1, limit)
    return out


def start_xvfb():
    """An X server on a display of its own. Not the lowest free number: X servers of other sandboxes
    sharing /tmp cannot see each other's locks, and would take the same one."""
    for _ in range(10):
        display = str(random.randrange(200, 30000))
        xvfb = subprocess.Popen(["Xvfb", ":" + display, "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                                stderr=subprocess.DEVNULL)
        try:
            wait_for("the X server", lambda: xvfb.poll() is not None or x_answers(display), 10)
        except SystemExit:
            pass
        if xvfb.poll() is None:
            return xvfb, display
    raise SystemExit("no X server would start")


def x_answers(display):
    with socket.socket(socket.AF_UNIX) as s:
        s.connect("/tmp/.X11-unix/X" + display)
        return True


def states(node):
    try:
        return node.get_state_set()
    except Exception:
        return Atspi.StateSet.new([])


def name_of(node):
    try:
        return node.get_name() or ""
    except Exception:
        return ""


def role_of(node):
    try:
        return node.get_role_name()
    except Exception:
        return "?"


def actions_of(node):
    try:
        action = node.get_action_iface()
        return [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []
    except Exception:
        return []


def find(node, predicate):
    return [n for n in walk(node) if predicate(n)]


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def unnamed(app):
    """Focusable or actionable objects a screen reader could only call by their role."""
    bad = []
    for n in walk(app):
        st = states(n)
        if not st.contains(Atspi.StateType.SHOWING):
            continue
        if not (st.contains(Atspi.StateType.FOCUSABLE) or actions_of(n)):
            continue
        # Scroll bars take no focus; a screen reader names them by their orientation.
        if role_of(n) == "scroll bar":
            continue
        if not name_of(n).strip():
            bad.append(role_of(n))
    return bad


def value(node):
    v = node.get_value_iface()
    return v.get_current_value() if v else None


def main():
    prog, cli = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix="scrivane-a11y-")
    base = os.path.join(work, "base")
    home = os.path.join(work, "home")
    os.makedirs(home)
    os.makedirs(base)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"), SCRIVANE_TODAY=TODAY)
    env.pop("QT_QPA_PLATFORM", None)

    def run(*args, today=TODAY):
        subprocess.run([cli, *args], check=True, stdout=subprocess.DEVNULL, env=dict(env, SCRIVANE_TODAY=today))

    # A reader a week into a plan of three readings a day, two days read: today's is overdue-free,
    # the days before partly read.
    run("reader", "new", "Bob", "John", "Smith", "--base", base)
    stem = os.path.join(base, "Bob (John Smith)", "Bob")
    template = os.path.join(work, "plan.vntpl")
    run("template-edit", template, "years=1", "add-section", "select=2", "click=New Testament")
    run("plan", "new", stem, template, "--yes", today="2026-12-01")
    for i in ("0", "1"):
        run("plan", "finish", stem, i)
    # The reader opened last is opened at start: the reader file's first field names it.
    reader_file = os.path.join(base, "Scrivane.vnrdr")
    with open(reader_file, "rb") as f:
        data = f.read()
    assert data[0] == 0, "a fresh reader file names no reader opened last"
    with open(reader_file, "wb") as f:
        f.write(bytes([3]) + b"Bob" + data[1:])

    procs = []
    try:
        xvfb, display = start_xvfb()
        procs.append(xvfb)
        env["DISPLAY"] = os.environ["DISPLAY"] = ":" + display
        wait_for("the X server", lambda: x_answers(display))
        bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        procs.append(bus)
        # Asked without starting it: a second launcher started by the session bus would compete with it.
        wait_for("the accessibility bus", lambda: "true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], capture_output=True, text=True).stdout)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        app_proc = subprocess.Popen([prog, "--base", base], env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        procs.append(app_proc)
        Atspi.init()
        # A program slowed by the sanitizers, beside other heavy tests, can take long to start.
        app = wait_for("the program on the accessibility bus", lambda: application(app_proc.pid), seconds=120.0)
        check(app)
    finally:
        for p in reversed(procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        subprocess.run(["rm", "-rf", work])
    if failures:
        print("%d failures" % len(failures))
        return 1
    print("ok")
    return 0


def text_of(node):
    t = node.get_text_iface()
    return t.get_text(0, t.get_character_count()) if t else ""


def by_name(app, role, name, seconds=40.0):
    """The object of that name and role (any role when None), once it is there."""
    return wait_for("%s %r" % (role, name), lambda: (find(app, lambda n: role in (None, role_of(n))
                                                          and name_of(n) == name) or [None])[0], seconds)


def press(app, role, name):
    item = by_name(app, role, name)
    action = item.get_action_iface()
    action.do_action([action.get_action_name(i) for i in range(action.get_n_actions())].index("Press"))


def check_unnamed(app, where):
    for bad in unnamed(app):
        fail("%s: a focusable or actionable %s has no name" % (where, bad))


def readings(plan_view):
    return [n for n in walk(plan_view)[1:] if role_of(n) == "list item"]


def check(app):
    by_name(app, "frame", "Bob's Reading Plan")
    check_unnamed(app, "plan window")
    plan_view = by_name(app, "list", "Reading plan", 3)

    # The day shown is the first one not read, two days overdue: its readings are there, not read.
    lines = [name_of(n) for n in walk(plan_view)[1:]]
    if not any(line.startswith("Today is ") for line in lines):
        fail("the plan view's date line is not readable: %r" % lines)
    items = readings(plan_view)
    if len(items) != 2:
        fail("the plan view shows %d readings, not 2: %r" % (len(items), lines))
    for item in items:
        if not re.match(r"^\w.* \d+", name_of(item)) or states(item).contains(Atspi.StateType.CHECKED):
            fail("reading %r is not readable as an unread reading" % name_of(item))
    # Its action marks it read, the state says so, and the change is told as it is made.
    heard = []
    listener = Atspi.EventListener.new(lambda event: heard.append(name_of(event.source)))
    listener.register("object:property-change:accessible-name")
    if items:
        action = items[0].get_action_iface()
        action.do_action(0)
        wait_for("the reading marked read", lambda: states(readings(plan_view)[0]).contains(Atspi.StateType.CHECKED),
                 5)
        try:
            wait_for("the change told", lambda: any(h.startswith("Mark Reading. Reading plan ") for h in heard), 5)
        except SystemExit:
            fail("marking a reading read was not told: %r" % heard)
    listener.deregister("object:property-change:accessible-name")

    # The progress bars tell the figures beside them.
    for bar_name in ("Reading plan completed", "Lifetime Bible reading"):
        bar = by_name(app, "progress bar", bar_name)
        shown = text_of(by_name(app, "text", bar_name + ", percent")).strip().rstrip("%")
        v = bar.get_value_iface()
        current, maximum = v.get_current_value(), v.get_maximum_value()
        if maximum <= 0 or abs(100.0 * current / maximum - float(shown)) > 0.01:
            fail("%s: value %s of %s, but %s%% is shown" % (bar_name, current, maximum, shown))
    plan = by_name(app, "progress bar", "Reading plan completed").get_value_iface()
    if plan.get_current_value() <= 0:
        fail("the reading plan's bar stands at 0 after readings were marked")

    # The passage window: the text with its verse numbers.
    press(app, "push button", "Read Assignment")
    passage = by_name(app, None, "Passage text")
    text = wait_for("the passage's verses", lambda: re.search(r"\b1\b.*\b2\b", text_of(passage), re.S) and text_of(passage))
    if len(text) < 200:
        fail("the passage window's text is %r" % text[:200])
    check_unnamed(app, "passage window")

    # The coverage map: every book, every chapter of it, each with its counts.
    press(app, "menu item", "Bible Coverage")
    tree = by_name(app, "tree", "Bible coverage map")
    books = [tree.get_child_at_index(i) for i in range(tree.get_child_count())]
    if len(books) != 66:
        fail("the coverage map has %d books" % len(books))
    else:
        for book, chapters, first in ((books[0], 50, "Genesis 1: "), (books[18], 150, "Psalms 1: "),
                                      (books[65], 22, "Revelation 1: ")):
            if book.get_child_count() != chapters:
                fail("%s has %d chapters on the map" % (name_of(book), book.get_child_count()))
            elif not name_of(book.get_child_at_index(0)).startswith(first):
                fail("the first chapter of %s is called %r" % (name_of(book), name_of(book.get_child_at_index(0))))
        for book in books:
            for i in range(book.get_child_count()):
                if not name_of(book.get_child_at_index(i)).strip():
                    fail("chapter %d of %s has no name" % (i + 1, name_of(book)))
        genesis = books[0].get_child_at_index(0)
        if "Press" not in actions_of(genesis) or not states(genesis).contains(Atspi.StateType.FOCUSABLE):
            fail("a chapter of the map cannot be reached or opened")
    check_unnamed(app, "coverage window")


if __name__ == "__main__":
    sys.exit(main())
