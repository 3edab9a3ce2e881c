"""Lighting: both groups are exclusive; the logo light switched off through assistive technology
is off on the mouse after OK, the wheel light stays on; Tab goes as laid out."""

import sys

import kxatspi as k
import pyatspi

TAB_ORDER = ["Wheel light", "Logo light", "On", "Off", "Apply", "OK", "Cancel"]


def main():
    app, win = k.main_window()
    view = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Lighting"), "Lighting")
    k.log("worked nodes:", k.check_worked_nodes(view))
    first = k.find(view, pyatspi.ROLE_RADIO_BUTTON, "Wheel light")
    k.check_tab_order(view, first, k.enabled_names(view, TAB_ORDER))

    k.check_exclusive(k.group(view, "Light to switch"))  # ends on the logo light
    switch = k.group(view, "Picked light, or both")
    k.check_exclusive(switch)  # ends on Off
    logo = k.find(view, pyatspi.ROLE_CHECK_BOX, "Logo light on")
    wheel = k.find(view, pyatspi.ROLE_CHECK_BOX, "Wheel light on")
    k.wait_for(lambda: not k.checked(logo), "the logo light shown off")
    k.check(k.checked(wheel), "the wheel light still shown on")
    k.check("Toggle" not in k.actions(logo), "an indicator is not worked")

    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Lighting")
    k.wait_for(lambda: k.Dump().line("logo light") == "off", "the logo light off on the mouse")
    k.check(k.Dump().line("wheel light") == "on", "the wheel light on on the mouse")


sys.exit(k.run(main))
