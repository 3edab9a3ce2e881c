"""The main window: what is worked can be worked, the profiles and mouse buttons are exclusive
groups pressed as a click (a profile pressed is the mouse's active profile), Tab goes as laid
out."""

import sys

import kxatspi as k
import pyatspi

TAB_ORDER = [
    "Application menu", "Reset profile", "Website", "Help", "Close",
    "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5",
    "Left button", "Right button", "Wheel button", "Front side button", "Back side button",
    "Default", "Single key", "Macro", "Launch",
    "Performance", "Lighting", "Macro editor",
    "Apply", "OK", "Cancel",
]


def main():
    app, win = k.main_window()
    k.log("worked nodes:", k.check_worked_nodes(win))

    k.check_exclusive(k.group(win, "Mouse button"))

    def on_the_mouse(item):
        number = int(k.name(item).split()[-1])
        k.wait_for(lambda: k.Dump().line("active profile") == str(number),
                   "the mouse on profile %d" % number)

    profiles = k.group(win, "Profile")
    k.check_exclusive(profiles[2:] + profiles[:2], settle=on_the_mouse)

    first = k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Application menu")
    k.check_tab_order(win, first, k.enabled_names(win, TAB_ORDER))


sys.exit(k.run(main))
