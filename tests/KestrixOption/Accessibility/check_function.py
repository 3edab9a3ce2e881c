"""A single function assigned through assistive technology: the mouse button picked, the dialog
opened on the button's own function, its list opened with Return as a combo box's, an entry taken
with the keys, OK, Apply: the mouse holds the record of the entry the chooser and the main window
say."""

import sys

import kxatspi as k
import pyatspi


def main():
    app, win = k.main_window()
    middle = k.Dump().record(1, 3)  # the wheel button's own function, middle click
    before = k.Dump().record(1, 4)
    k.check(before != middle, "the front side button starts as something else")
    k.press(k.find(win, pyatspi.ROLE_RADIO_BUTTON, "Front side button"))
    dialog = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Single key"),
                      "Single Key Function")
    k.log("worked nodes:", k.check_worked_nodes(dialog))
    k.check(k.description(dialog).endswith("."), "the dialog is described")
    chooser = k.find(dialog, pyatspi.ROLE_COMBO_BOX, "Function")
    own = k.text_of(chooser)
    k.check(own == k.description(k.find(win, pyatspi.ROLE_RADIO_BUTTON, "Front side button")),
            "the chooser opens on the button's own function, not %r" % own)

    # As a combo box: Return opens the list, a pop-up of its own that takes the keyboard.
    k.focus_keys_on(dialog)
    chooser.queryComponent().grabFocus()
    k.wait_for(lambda: k.has(chooser, pyatspi.STATE_FOCUSED), "the focus on the chooser")
    k.key("Return")
    k.wait_for(lambda: not k.has(chooser, pyatspi.STATE_FOCUSED), "the list to open")
    k.check(k.window(app, "Single Key Function"), "Return opened the list, not OK")
    for key in ("Down", "Down", "Return"):
        k.key(key)
    k.wait_for(lambda: k.text_of(chooser) != own, "another entry chosen")
    chosen = k.text_of(chooser)
    k.log("chosen:", chosen)
    k.check(k.name(chooser) == "Function", "the chooser keeps its name")

    k.press(k.find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Single Key Function")
    caption = k.find(win, pyatspi.ROLE_TEXT, "Function of the selected button")
    k.wait_for(lambda: k.text_of(caption) == chosen, "the main window to say %r" % chosen)
    k.press(k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Apply"))
    k.wait_for(lambda: k.Dump().record(1, 4) != before, "the record written to the mouse")
    if chosen == "Middle Click":
        k.check(k.Dump().record(1, 4) == middle, "the mouse holds the middle click")


sys.exit(k.run(main))
