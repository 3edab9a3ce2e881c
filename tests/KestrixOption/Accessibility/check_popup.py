"""A pop-up: named by its title, described by its message, its buttons named by their text and
described by what they do; the one that keeps the profile keeps it."""

import sys

import kxatspi as k
import pyatspi

TITLE = "Reset this profile?"
MESSAGE = ("Every button and setting of this profile goes back to its default and is written to "
           "the mouse. OK resets it; Cancel leaves it as it is.")


def main():
    app, win = k.main_window()
    before = k.Dump().text
    popup = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Reset profile"), TITLE)
    k.check(popup.getRole() == pyatspi.ROLE_ALERT, "a pop-up is an alert")
    k.check(k.description(popup) == MESSAGE, "its message: %r" % k.description(popup))
    k.log("worked nodes:", k.check_worked_nodes(popup))
    # Named by their text, as a speech-input user says them; described by what they do.
    ok = k.find(popup, pyatspi.ROLE_PUSH_BUTTON, "OK")
    k.check(k.description(ok) == "Reset the profile", "OK says what it does")
    cancel = k.find(popup, pyatspi.ROLE_PUSH_BUTTON, "Cancel")
    k.check(k.description(cancel) == "Keep the profile", "Cancel says what it does")
    k.press(cancel)
    k.gone(app, TITLE)
    k.check(k.Dump().text == before, "the mouse is as it was")


sys.exit(k.run(main))
