"""Performance: the polling rates are an exclusive group; a DPI and a rate set through
assistive technology reach the mouse after OK; Tab goes as laid out."""

import sys

import kxatspi as k
import pyatspi

TAB_ORDER = [
    "DPI stage", "DPI of this stage", "Exact DPI",
    "1000 Hz", "Show changes on screen",
    "Double-click speed", "Pointer speed", "Scroll speed",
    "Reset to defaults", "Apply", "OK", "Cancel",
]


def main():
    app, win = k.main_window()
    view = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Performance"), "Performance")
    k.log("worked nodes:", k.check_worked_nodes(view))
    k.check(k.description(view).endswith("."), "the dialog is described")
    first = k.find(view, pyatspi.ROLE_SLIDER, "DPI stage")
    k.check_tab_order(view, first, k.enabled_names(view, TAB_ORDER))

    rates = k.group(view, "Polling rate")
    k.check_exclusive(rates)
    k.press(k.find(view, pyatspi.ROLE_RADIO_BUTTON, "500 Hz"))

    # Sliders say what a user sees: stages from 1, the DPI in DPI.
    stage = k.find(view, pyatspi.ROLE_SLIDER, "DPI stage")
    k.check(k.value_of(stage) >= 1 and k.description(stage) == "Stage %d of 4" % k.value_of(stage),
            "the stage said as %r, %r" % (k.value_of(stage), k.description(stage)))
    k.set_value(stage, 2)  # the second stage
    k.wait_for(lambda: k.description(stage) == "Stage 2 of 4", "the second stage")
    dpi = k.find(view, pyatspi.ROLE_SLIDER, "DPI of this stage")
    k.check(dpi.queryValue().minimumIncrement == 100, "the DPI moves by 100 DPI")
    k.set_value(dpi, 2000)
    k.wait_for(lambda: k.description(dpi) == "2000 DPI", "the slider to say 2000 DPI")
    field = k.find(view, pyatspi.ROLE_TEXT, "Exact DPI")
    k.wait_for(lambda: k.text_of(field) == "2000", "the field to say 2000")

    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Performance")
    k.wait_for(lambda: k.Dump().line("rate") == "500 Hz", "the mouse at 500 Hz")
    k.wait_for(lambda: k.Dump().line("DPI stages").split()[1] == "2000",
               "the second stage at 2000 DPI")


sys.exit(k.run(main))
