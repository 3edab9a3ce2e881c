"""Lighting: both groups are exclusive, the light group opens on "Both lights"; each light's
box switches that light on the mouse at once; the logo light switched off through assistive
technology is off on the mouse after OK, the wheel light stays on; Tab goes as laid out."""

import sys

import kxatspi as k
import pyatspi


def main():
    app, win = k.main_window()
    view = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Lighting"), "Lighting")
    k.log("worked nodes:", k.check_worked_nodes(view))
    k.check(k.description(view).endswith("."), "the dialog is described")
    lights = k.group(view, "Light to switch")
    k.check(k.checked_in(lights) == "Both lights", "the dialog opens on both lights")
    switch = k.group(view, "Picked light")
    order = ["Both lights", "Logo light", "Wheel light", k.checked_in(switch),
             "Apply", "OK", "Cancel"]
    first = k.find(view, pyatspi.ROLE_RADIO_BUTTON, "Both lights")
    k.check_tab_order(view, first, k.enabled_names(view, order))

    by_name = {k.name(item): item for item in lights}
    k.check_exclusive([by_name["Both lights"], by_name["Wheel light"], by_name["Logo light"]])
    k.check_exclusive(switch)  # ends on Off: the logo light off
    logo = k.find(view, pyatspi.ROLE_CHECK_BOX, "Logo light")
    wheel = k.find(view, pyatspi.ROLE_CHECK_BOX, "Wheel light")
    k.wait_for(lambda: not k.checked(logo), "the logo light shown off")
    k.check(k.checked(wheel), "the wheel light still shown on")

    # A light's box switches it, at once.
    k.toggle(wheel)
    k.wait_for(lambda: k.Dump().line("wheel light") == "off", "the wheel light off at once")
    k.toggle(wheel)
    k.wait_for(lambda: k.Dump().line("wheel light") == "on", "the wheel light on again")

    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Lighting")
    k.wait_for(lambda: k.Dump().line("logo light") == "off", "the logo light off on the mouse")
    k.check(k.Dump().line("wheel light") == "on", "the wheel light on on the mouse")


sys.exit(k.run(main))
