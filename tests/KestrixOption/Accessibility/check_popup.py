"""A pop-up: named by its title, described by its message, its buttons by what they do; the
one that keeps the profile keeps it."""

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
    k.find(popup, pyatspi.ROLE_PUSH_BUTTON, "Reset the profile")
    k.press(k.find(popup, pyatspi.ROLE_PUSH_BUTTON, "Keep the profile"))
    k.gone(app, TITLE)
    k.check(k.Dump().text == before, "the mouse is as it was")


sys.exit(k.run(main))
