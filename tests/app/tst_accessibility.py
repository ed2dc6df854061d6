#!/usr/bin/python3
"""What a screen reader finds in the window.

Starts the program on a private D-Bus session with its own accessibility bus (the X server in
DISPLAY and the runtime folder are the test's own, so runs side by side never meet), shows each
page through its tab in the strip, as a screen reader would press it, and walks the tree. Fails
when a showing control has no role or no name, when the moon panel does not tell its lunar day
and illumination, or when a day of the calendar is not read out in words. Prints the count of
named controls per page.

Usage, on an X server: tst_accessibility.py <program>
"""
import os
import re
import subprocess
import sys
import tempfile
import time

# What a user acts on; a control of any of these roles, or any that takes the focus, needs a name.
# Scroll bars are told by their position, not a name.
CONTROL_ROLES = {"push button", "check box", "page tab", "combo box", "list item", "text",
                 "entry", "toggle button", "radio button", "link", "menu item", "table cell",
                 "slider", "spin button"}


def in_private_session(program):
    """Runs this script again inside a session bus of its own, with a private home."""
    with tempfile.TemporaryDirectory() as home:
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        os.makedirs(os.path.join(home, ".config", "Harkel"))
        # No update check: a test never reaches the network.
        with open(os.path.join(home, ".config", "Harkel", "Vendarion.conf"), "w") as conf:
            conf.write("[global]\ncheckForUpdates=false\n")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_RUNTIME_DIR=runtime, TMPDIR=home, NO_AT_BRIDGE="0",
                   VENDARION_A11Y_SESSION="1")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable, __file__, program],
                               env=env)


def wait_for(what, find, seconds=90):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.5)
    sys.exit("FAIL: " + what)


def showing_nodes(node):
    """Every showing node under node, depth first, hidden subtrees left out."""
    import pyatspi
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from showing_nodes(child)


def is_control(node):
    import pyatspi
    role = node.getRoleName()
    return role != "scroll bar" and (role in CONTROL_ROLES
                                     or node.getState().contains(pyatspi.STATE_FOCUSABLE))


def press(node):
    """Presses a control as a screen reader does, through its action."""
    actions = node.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Press"))


def check_page(app, page):
    nodes = list(showing_nodes(app))
    controls = [n for n in nodes if is_control(n)]
    unnamed = [n.getRoleName() for n in controls
               if not n.name.strip() or n.getRoleName() in ("unknown", "invalid")]
    named = len(controls) - len(unnamed)
    print("%s: %d of %d showing controls named" % (page, named, len(controls)))
    return controls, unnamed


def button(app, name):
    return wait_for("a button " + name, lambda: next(
        (n for n in showing_nodes(app) if n.getRoleName() == "push button" and n.name == name),
        None), 10)


def main():
    program = sys.argv[1]
    if os.environ.get("VENDARION_A11Y_SESSION") != "1":
        return in_private_session(program)

    import pyatspi
    # As an X11 desktop session has it before any program starts: the accessibility bus and its
    # registry running, and the bus's address on the root window. Qt reads that address at once;
    # without it, a program that finds the bus already running registers before it has connected
    # and never shows in the registry, and one that comes first registers only if the bus comes
    # up late enough.
    desktop = pyatspi.Registry.getDesktop(0)
    address = subprocess.check_output(
        ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
         "/org/a11y/bus", "org.a11y.Bus.GetAddress"], text=True).strip()
    subprocess.check_call(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS",
                           address])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    process = subprocess.Popen([program], env=env)
    failures = []
    try:
        app = wait_for("the program on the accessibility bus", lambda: next(
            (a for a in desktop if a is not None and a.name.lower() == "vendarion"), None))
        texts = lambda: [n.name for n in showing_nodes(app)]
        wait_for("the moon panel's illumination",
                 lambda: any(re.search(r"\d+% illuminated", t) for t in texts()))
        names = texts()
        for what, pattern in (("lunar day", r"^Day \d+$"), ("illumination", r"% illuminated$"),
                              ("sign", r" of [A-Z][a-z]+"), ("rise", r"^The Moon rises next at ")):
            if not any(re.search(pattern, t) for t in names):
                failures.append("the moon panel tells no %s" % what)

        tabs = {n.name: n for n in showing_nodes(app) if n.getRoleName() == "page tab"}
        total = [0, 0]
        # Each page, and the dialog a button of it opens (its button, and the one that closes it).
        for page, dialog in (("Texts for the day", None), ("Calendar", ("Export...", "Cancel")),
                             ("Settings", ("Reminders...", "Close"))):
            if page not in tabs:
                failures.append("no page tab named " + page)
                continue
            press(tabs[page])
            if page == "Calendar":
                wait_for("the calendar's days read out", lambda: any(
                    re.search(r"\d{4}, lunar day \d+", t) for t in texts()))
            views = [page] + (["%s (%s)" % (page, dialog[0])] if dialog else [])
            for view in views:
                if view != page:
                    press(button(app, dialog[0]))
                time.sleep(1)
                controls, unnamed = check_page(app, view)
                total[0] += len(controls) - len(unnamed)
                total[1] += len(controls)
                failures += ["%s: a showing %s has no name" % (view, role) for role in unnamed]
            if dialog:
                press(button(app, dialog[1]))
        print("all pages: %d of %d showing controls named" % tuple(total))
    finally:
        process.terminate()
        process.wait(30)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
