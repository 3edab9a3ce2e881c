"""The configuration window through AT-SPI, as a screen reader or a test robot meets it.

Helpers for the checks of each view (check_*.py): finding the program and its windows in the
accessible tree, pressing, setting values and typing as assistive technology does, the checks
every view gets (roles, names and actions of what can be worked; exclusive radio groups; the Tab
order), and the emulated mouse's dump, which tells what reached the mouse.

The session (atspi-session.sh) runs the checks beside KxOption, kx-virtual-mouse and the daemon,
on an X server of their own with the accessibility bus running; KX_VIRTUAL_MOUSE names the
emulated mouse's program.
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import Atspi, GLib  # noqa: E402

# Generous: on a loaded machine a window can take seconds to answer; a hang still ends.
TIMEOUT = float(os.environ.get("KX_ATSPI_TIMEOUT", "60"))

# The roles a person works: each must have a name and a way to be worked.
WORKED = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_TABLE,
}


class Failure(Exception):
    pass


def log(*words):
    print(*words, flush=True)


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(condition, what, timeout=TIMEOUT):
    """Waits for a condition of the program as another process sees it (this is a test robot)."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # a node that went away while being read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def fresh(node):
    node.clear_cache()
    return node


def name(node):
    return fresh(node).name or ""


def description(node):
    return fresh(node).description or ""


def states(node):
    return fresh(node).getState()


def has(node, state):
    return states(node).contains(state)


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def children(node):
    fresh(node)
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def describe(node):
    return "%s %r" % (node.getRoleName(), name(node))


# ---- the program and its windows ---------------------------------------------------------------


def application(name_="KxOption"):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name_:
                return app
        return None

    return wait_for(find, "the program %s on the accessibility bus" % name_)


def window(app, title, timeout=TIMEOUT):
    """The shown top-level window of that title."""

    def find():
        for top in children(app):
            if top is not None and name(top) == title and showing(top):
                return top
        return None

    return wait_for(find, "the window %r" % title, timeout)


def main_window():
    """The program's main window, once the mouse is read (the loading window gone)."""
    app = application()
    top = window(app, "Kestrix Mouse")
    wait_for(
        lambda: not any(name(t) == "Loading" and showing(t) for t in children(app)),
        "the mouse to be read",
    )
    return app, top


def opened(app, button, title):
    """Presses a button of a window and returns the window it opens."""
    press(button)
    return window(app, title)


def gone(app, title):
    def closed():
        return not any(
            top is not None and name(top) == title and showing(top) for top in children(app)
        )

    wait_for(closed, "the window %r to close" % title)


def find(root, role, name_, showing_only=True):
    for node in walk(root):
        if node.getRole() == role and name(node) == name_:
            if not showing_only or showing(node):
                return node
    raise Failure("no %s %r under %s" % (pyatspi.Atspi.Role(role).value_nick, name_, describe(root)))


def find_all(root, role):
    return [node for node in walk(root) if node.getRole() == role and showing(node)]


def checked_in(items):
    """The name of the checked item of a radio group."""
    names = [name(item) for item in items if checked(item)]
    check(len(names) == 1, "one item checked, not %s" % names)
    return names[0]


def group(root, name_):
    """A radio group: the panel of that name and its radio buttons."""
    panel = find(root, pyatspi.ROLE_PANEL, name_)
    items = [c for c in children(panel) if c.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    check(items, "the group %r holds radio buttons" % name_)
    return items


# ---- working it --------------------------------------------------------------------------------


def actions(node):
    try:
        action = fresh(node).queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def act(node, action_name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == action_name:
            check(action.doAction(i), "%s of %s" % (action_name, describe(node)))
            return
    raise Failure("%s has no %s action (%s)" % (describe(node), action_name, actions(node)))


def press(node):
    act(node, "Press")


def toggle(node):
    act(node, "Toggle")


def checked(node):
    return has(node, pyatspi.STATE_CHECKED)


def text_of(node):
    t = fresh(node).queryText()
    return t.getText(0, t.characterCount)


def set_text(node, text):
    check(node.queryEditableText().setTextContents(text), "text into %s" % describe(node))


def value_of(node):
    return fresh(node).queryValue().currentValue


def set_value(node, value):
    node.queryValue().currentValue = value


def focused(root):
    for node in walk(root):
        if has(node, pyatspi.STATE_FOCUSED):
            return node
    return None


KEYSYMS = {"Tab": 0xFF09, "Return": 0xFF0D, "Escape": 0xFF1B, "space": 0x20, "Up": 0xFF52,
           "Down": 0xFF54}


def key(name_):
    """A key pressed and released on the X server (XTest, through the registry)."""
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name_], None, pyatspi.KEY_SYM)


def keycode(code):
    pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_PRESSRELEASE)


# ---- what every view gets ----------------------------------------------------------------------


def check_worked_nodes(root):
    """Every node a person works has a role, a name and a way to be worked."""
    count = 0
    for node in walk(root):
        role = node.getRole()
        if role not in WORKED or not showing(node):
            continue
        s = states(node)
        if not s.contains(pyatspi.STATE_ENABLED) or s.contains(pyatspi.STATE_READ_ONLY):
            continue
        count += 1
        check(name(node), "a %s without a name under %s" % (node.getRoleName(), describe(root)))
        names = actions(node)
        if role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX):
            check("Press" in names, "%s is not pressed (%s)" % (describe(node), names))
        elif role == pyatspi.ROLE_CHECK_BOX:
            check("Toggle" in names, "%s is not toggled (%s)" % (describe(node), names))
        elif role == pyatspi.ROLE_SLIDER:
            check(node.queryValue().maximumValue > node.queryValue().minimumValue,
                  "%s has a range" % describe(node))
        elif role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            node.queryEditableText()
        if role == pyatspi.ROLE_RADIO_BUTTON:
            check(node.parent.getRole() == pyatspi.ROLE_PANEL and name(node.parent),
                  "%s is in a named group" % describe(node))
    check(count > 0, "nothing to work in %s" % describe(root))
    return count


def check_exclusive(items, settle=None):
    """Pressing each item of a radio group leaves it alone checked."""
    for item in items:
        check("Toggle" not in actions(item), "%s is toggled, not pressed" % describe(item))
        press(item)
        wait_for(lambda: checked(item), "%s checked" % describe(item))
        if settle:
            settle(item)
        others = [describe(o) for o in items if o is not item and checked(o)]
        check(not others, "%s and %s both checked" % (describe(item), ", ".join(others)))


def enabled_names(root, names):
    """The names, in their order, of the shown controls that are enabled now."""
    shown = {name(n): n for n in walk(root) if n.getRole() in WORKED and showing(n)}
    return [n for n in names if n in shown and has(shown[n], pyatspi.STATE_ENABLED)]


def focus_keys_on(top):
    """The keys to a window: no window manager gives it the keyboard, and the X server's focus
    follows the pointer, so the pointer goes onto the window's title strip."""
    x, y, width, height = top.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + 4, pyatspi.MOUSE_ABS)


def check_tab_order(root, first, expected):
    """Tab from the first control goes through the expected names in order."""
    focus_keys_on(root)
    first.queryComponent().grabFocus()
    wait_for(lambda: has(first, pyatspi.STATE_FOCUSED), "the focus on %s" % describe(first))
    seen = [name(first)]
    for _ in expected[1:]:
        before = focused(root)
        key("Tab")
        wait_for(lambda: focused(root) is not None and focused(root) != before,
                 "the focus to move from %s" % (describe(before) if before else "nothing"))
        seen.append(name(focused(root)))
    check(seen == list(expected), "Tab order %s, not %s" % (seen, list(expected)))


# ---- what the programs announce ----------------------------------------------------------------


class Heard:
    """The accessible events of every program on the bus, as a screen reader is told them: each
    as (program, role, name) when an object of that role appears."""

    def __init__(self, event_type="object:state-changed:showing"):
        self.events = []
        pyatspi.Registry.registerEventListener(self._heard, event_type)
        # The registration goes out with the next call that waits for an answer; the registry
        # then tells the programs, which send only the events someone listens to.
        fresh(pyatspi.Registry.getDesktop(0)).childCount

    def _heard(self, event):
        if not event.detail1:
            return
        try:
            source = event.source
            program = source.getApplication().name
            self.events.append((program, source.getRoleName(), source.name or ""))
        except Exception:  # gone while being read
            pass

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def wait_for(self, program, role, test, what, timeout=TIMEOUT):
        """The first event of that program and role whose name passes, not taken before."""

        def found():
            self.pump()
            for i, (p, r, n) in enumerate(self.events):
                if p == program and r == role and test(n):
                    del self.events[i]
                    return n
            return None

        try:
            return wait_for(found, what, timeout)
        except Failure as failure:
            raise Failure("%s; heard %s" % (failure, self.events[-8:])) from None


# ---- the emulated mouse ------------------------------------------------------------------------


def mouse(*args):
    program = os.environ["KX_VIRTUAL_MOUSE"]
    return subprocess.run([program, *args], check=True, capture_output=True, text=True).stdout


class Dump:
    """What the emulated mouse holds (kx-virtual-mouse dump)."""

    def __init__(self):
        self.text = mouse("dump")
        self.records = {}
        for m in re.finditer(r"profile (\d) button (\d) @\d+: ([0-9a-f ]+)", self.text):
            self.records[(int(m.group(1)), int(m.group(2)))] = bytes.fromhex(m.group(3))

    def line(self, label):
        m = re.search(r"^%s: (.*)$" % re.escape(label), self.text, re.M)
        return m.group(1) if m else None

    def record(self, profile, button):
        return self.records[(profile, button)]


def run(main):
    """Runs a check: 0 when it holds, 1 with the reason when it does not."""
    started = time.monotonic()
    try:
        main()
    except Failure as failure:
        log("FAIL:", failure)
        return 1
    log("PASS in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit("kxatspi.py is a library of the check_*.py scripts")
