"""A macro recorded and assigned in a mode through assistive technology: a new macro named and
recorded with the keys in the editor; the front side button given it with the keys in the
chooser's list; the arrows pass over "Repeat count" without asking for the count, a press
asks; the run modes stay exclusive; OK and Apply: the mouse holds a new record for the button."""

import sys

import kxatspi as k
import pyatspi


def others(app, *titles):
    return [t for t in k.children(app) if k.showing(t) and k.name(t) not in titles]


def main():
    app, win = k.main_window()
    before = k.Dump().record(1, 4)

    editor = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Macro editor"), "Macro editor")
    new = k.opened(app, k.find(editor, pyatspi.ROLE_PUSH_BUTTON, "New macro"), "New macro")
    for described in (editor, new):
        k.check(k.description(described).endswith("."), "%s is described" % k.describe(described))
    k.set_text(k.find(new, pyatspi.ROLE_TEXT, "Name of the new macro"), "RepB")
    k.press(k.find(new, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "New macro")
    k.check(k.text_of(k.find(editor, pyatspi.ROLE_COMBO_BOX, "Macro")) == "RepB",
            "the editor's chooser says the new macro")
    steps = k.find(editor, pyatspi.ROLE_TABLE, "Steps")
    k.focus_keys_on(editor)
    start = k.find(editor, pyatspi.ROLE_PUSH_BUTTON, "Record")
    k.press(start)
    stop = k.find(editor, pyatspi.ROLE_PUSH_BUTTON, "Stop recording")
    k.wait_for(lambda: k.has(stop, pyatspi.STATE_ENABLED), "the recording to start")
    k.key("space")
    k.wait_for(lambda: fresh_rows(steps) == 2, "a press and a release recorded")
    k.press(stop)
    k.wait_for(lambda: not k.has(stop, pyatspi.STATE_ENABLED), "the recording to stop")
    # Each cell says its own column, under the columns' names.
    table = k.fresh(steps).queryTable()
    columns = [table.getColumnDescription(c) for c in range(table.nColumns)]
    k.check(columns == ["Kind", "Step", "Delay"], "the columns named, not %s" % columns)
    cells = [k.name(table.getAccessibleAt(0, c)) for c in range(table.nColumns)]
    k.check(cells[0] == "Key down" and cells[1] == "Press Space" and cells[2].endswith(" ms"),
            "the first step's cells: %s" % cells)
    k.press(k.find(editor, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Macro editor")

    k.press(k.find(win, pyatspi.ROLE_RADIO_BUTTON, "Front side button"))
    dialog = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Macro"), "Macro Function")
    k.check(k.description(dialog).endswith("."), "the dialog is described")
    k.log("worked nodes:", k.check_worked_nodes(dialog))
    chooser = k.find(dialog, pyatspi.ROLE_COMBO_BOX, "Macro")
    k.focus_keys_on(dialog)
    chooser.queryComponent().grabFocus()
    k.wait_for(lambda: k.has(chooser, pyatspi.STATE_FOCUSED), "the focus on the chooser")
    k.press(chooser)
    k.wait_for(lambda: not k.has(chooser, pyatspi.STATE_FOCUSED), "the list to open")
    k.key("Return")
    k.wait_for(lambda: k.text_of(chooser) == "RepB", "the macro chosen")

    once, repeat, held, toggled = k.group(dialog, "Run the macro")
    once.queryComponent().grabFocus()
    k.wait_for(lambda: k.has(once, pyatspi.STATE_FOCUSED), "the focus on Once")
    for key, reached in (("Down", repeat), ("Down", held), ("Up", repeat)):
        k.key(key)
        k.wait_for(lambda: k.has(reached, pyatspi.STATE_FOCUSED), "the arrows on " + k.name(reached))
        k.check(not others(app, "Kestrix Mouse", "Macro Function"),
                "arrowing onto %s opened a window" % k.name(reached))
    k.check_exclusive([held, toggled, once])

    k.press(repeat)
    count = k.window(app, "Repeat count")
    k.check(k.description(count).endswith("."), "the count window is described")
    k.check(k.checked(repeat) and not k.checked(once), "Repeat count alone chosen")
    field = [n for n in k.walk(count) if n.getRole() == pyatspi.ROLE_TEXT][0]
    k.set_text(field, "5")
    k.press(k.find(count, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Repeat count")
    times = k.find(dialog, pyatspi.ROLE_TEXT, "Times the macro runs")
    k.wait_for(lambda: k.text_of(times) == "5 times", "the dialog to say 5 times")

    k.press(k.find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Macro Function")
    caption = k.find(win, pyatspi.ROLE_TEXT, "Function of the selected button")
    k.wait_for(lambda: k.text_of(caption) == "RepB", "the main window to say the macro")
    k.press(k.find(win, pyatspi.ROLE_PUSH_BUTTON, "Apply"))
    # The recorded Space, press and release (the last step), run the count 5 times.
    k.wait_for(lambda: k.Dump().record(1, 4)[:4] == bytes.fromhex("2c002cc0"),
               "the macro's steps on the mouse")
    k.wait_for(lambda: k.Dump().record(1, 4)[80:82] == bytes([0xA0, 5]),
               "the repeat count on the mouse, not %s" % k.Dump().record(1, 4)[80:82].hex())


def fresh_rows(table):
    return k.fresh(table).queryTable().nRows


sys.exit(k.run(main))
