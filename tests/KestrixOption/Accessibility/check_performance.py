"""Performance: the polling rates are an exclusive group; a DPI and a rate set through
assistive technology reach the mouse after OK; Tab goes as laid out."""

import sys

import kxatspi as k
import pyatspi

TAB_ORDER = [
    "DPI stage", "DPI of this stage, in hundreds", "DPI of this stage",
    "125 Hz", "500 Hz", "1000 Hz", "Show changes on screen",
    "Double-click speed", "Pointer speed", "Scroll speed",
    "Reset to defaults", "Apply", "OK", "Cancel",
]


def main():
    app, win = k.main_window()
    view = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Performance"), "Performance")
    k.log("worked nodes:", k.check_worked_nodes(view))
    first = k.find(view, pyatspi.ROLE_SLIDER, "DPI stage")
    k.check_tab_order(view, first, k.enabled_names(view, TAB_ORDER))

    rates = k.group(view, "Polling rate")
    k.check_exclusive(rates)
    k.press(k.find(view, pyatspi.ROLE_RADIO_BUTTON, "500 Hz"))

    stage = k.find(view, pyatspi.ROLE_SLIDER, "DPI stage")
    k.set_value(stage, 1)  # the second stage
    k.wait_for(lambda: k.value_of(stage) == 1, "the second stage")
    dpi = k.find(view, pyatspi.ROLE_SLIDER, "DPI of this stage, in hundreds")
    k.set_value(dpi, 20)
    field = k.find(view, pyatspi.ROLE_TEXT, "DPI of this stage")
    k.wait_for(lambda: k.text_of(field) == "2000", "the field to say 2000")

    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Performance")
    k.wait_for(lambda: k.Dump().line("rate") == "500 Hz", "the mouse at 500 Hz")
    k.wait_for(lambda: k.Dump().line("DPI stages").split()[1] == "2000",
               "the second stage at 2000 DPI")


sys.exit(k.run(main))
