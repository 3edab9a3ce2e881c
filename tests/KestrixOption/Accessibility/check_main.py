"""The main window: what is worked can be worked, the profiles and mouse buttons are exclusive
groups pressed as a click (a profile pressed is the mouse's active profile), each one Tab stop on
its checked item with the arrows moving within it; each mouse button says its function, which
the caption reads as read-only text Tab reaches; Tab goes as laid out."""

import sys

import kxatspi as k
import pyatspi


def tab_order(profile, button):
    return [
        "Application menu", "Reset profile", "Website", "Help", "Close",
        profile, "App rules", button, "Function of the selected button",
        "Default", "Single key", "Macro", "Launch",
        "Performance", "Lighting", "Macro editor",
        "Apply", "OK", "Cancel",
    ]


def main():
    app, win = k.main_window()
    k.log("worked nodes:", k.check_worked_nodes(win))
    k.check(k.description(win).endswith("."), "the window is described")

    buttons = k.group(win, "Mouse button")
    caption = k.find(win, pyatspi.ROLE_TEXT, "Function of the selected button")
    k.check(k.has(caption, pyatspi.STATE_READ_ONLY) and not k.has(caption, pyatspi.STATE_EDITABLE),
            "the caption is read-only text")
    k.check(k.has(caption, pyatspi.STATE_FOCUSABLE), "the caption is reached by Tab")
    for item in buttons:
        k.check(k.description(item), "%s says its function" % k.describe(item))
    k.check_exclusive(buttons)
    for item in buttons:  # the caption reads the selected one's function
        k.press(item)
        k.wait_for(lambda: k.text_of(caption) == k.description(item),
                   "the caption to read %r for %s" % (k.description(item), k.describe(item)))

    def on_the_mouse(item):
        number = int(k.name(item).split()[-1])
        k.wait_for(lambda: k.Dump().line("active profile") == str(number),
                   "the mouse on profile %d" % number)

    profiles = k.group(win, "Profile")
    k.check_exclusive(profiles[2:] + profiles[:2], settle=on_the_mouse)

    first = k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Application menu")
    order = tab_order(k.checked_in(profiles), k.checked_in(buttons))
    k.check_tab_order(win, first, k.enabled_names(win, order))

    # The arrows move within a group: from the checked mouse button to the one before it.
    last = buttons[-1]
    k.check(k.checked(last), "the last mouse button is checked")
    last.queryComponent().grabFocus()
    k.wait_for(lambda: k.has(last, pyatspi.STATE_FOCUSED), "the focus on the last mouse button")
    k.key("Up")
    k.wait_for(lambda: k.has(buttons[-2], pyatspi.STATE_FOCUSED) and k.checked(buttons[-2]),
               "Up to move to %s and check it" % k.describe(buttons[-2]))


sys.exit(k.run(main))
