"""Application rules: opened from the main window's button, the dialog is described; a stored
rule for an application no entry has is a row a screen reader reads with its profile and "not
installed"; the line about the desktop says what the background program answered; the profile
tabs are one exclusive group whose choice the row then reads; Tab goes as laid out; a rule
removed and OK leave the preferences without it."""

import os
import sys

import kxatspi as k
import pyatspi

PREFERENCES = os.path.join(os.environ["XDG_CONFIG_HOME"], "com.vlak.KxOption.conf")


def stored():
    try:
        with open(PREFERENCES, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def main():
    # A rule kept in the preferences before the view reads them.
    text = stored()
    k.check("[ApplicationRules]" not in text, "no rules stored yet")
    with open(PREFERENCES, "a", encoding="utf-8") as f:
        f.write("\n[ApplicationRules]\nenabled=true\notherwise=0\n"
                "rules\\1\\app=org.example.Gone\nrules\\1\\profile=3\nrules\\size=1\n")

    app, win = k.main_window()
    view = k.opened(app, k.find(win, pyatspi.ROLE_PUSH_BUTTON, "App rules"), "Application rules")
    k.log("worked nodes:", k.check_worked_nodes(view))
    k.check(k.description(view).endswith("."), "the dialog is described")

    rules = k.find(view, pyatspi.ROLE_LIST, "Rules")
    rows = [k.name(row) for row in k.children(rules)]
    k.check(rows == ["org.example.Gone, not installed, profile 3"], "the rows read %s" % rows)
    line = k.find(view, pyatspi.ROLE_LABEL, "On this desktop")
    k.wait_for(lambda: not k.description(line).startswith("Asking"), "the desktop's answer")
    k.check(k.description(line).endswith("."), "the line says %r" % k.description(line))

    profiles = k.group(view, "Profile of the selected application")
    k.check(k.checked_in(profiles) == "Profile 3", "the selected rule's profile is checked")
    k.check_exclusive(profiles)  # ends on profile 5, which the row then reads
    k.wait_for(lambda: [k.name(row) for row in k.children(k.fresh(rules))]
               == ["org.example.Gone, not installed, profile 5"], "the row to read profile 5")

    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "Remove the selected rule"))
    k.wait_for(lambda: not k.children(k.fresh(rules)), "the row to go")
    # With no rule selected its profile and Remove are disabled, and Tab passes them. (A list's
    # current row always says it is focused, so Tab is followed through the list when empty.)
    otherwise = k.group(view, "Otherwise")
    order = ["Switch profiles by the application in front", "Add a rule", "Rules",
             "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5",
             "Remove the selected rule", k.checked_in(otherwise), "OK", "Cancel"]
    first = k.find(view, pyatspi.ROLE_CHECK_BOX, "Switch profiles by the application in front")
    k.check_tab_order(view, first, k.enabled_names(view, order))
    k.press(k.find(view, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    k.gone(app, "Application rules")
    k.check("org.example.Gone" not in stored(), "the rule is gone from the preferences")


sys.exit(k.run(main))
