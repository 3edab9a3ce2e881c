"""The mouse's own buttons pressed with the window open: the daemon's display appears to a screen
reader as a notification named by its words, for each press (a display still up appears again
with the new words), and the window announces the profile it follows."""

import sys

import kxatspi as k

DAEMON = "KestrixDeamon"


def main():
    heard = k.Heard()
    app, win = k.main_window()
    heard.pump()
    heard.events.clear()

    def press(button, test, what):
        k.mouse("press", button)
        said = heard.wait_for(DAEMON, "notification", test, "the display to say " + what)
        k.log("%s: %r" % (button, said))
        return said

    press("dpi", lambda n: "DPI" in n and n.endswith("of 4"), "the DPI stage")
    press("dpi", lambda n: "DPI" in n and n.endswith("of 4"), "the next stage, while still up")
    press("rate", lambda n: n.endswith(" Hz"), "the polling rate")
    press("lock", lambda n: n == "Locked", "the lock")
    press("lock", lambda n: n == "Unlocked", "the lock undone")

    profile = k.Dump().line("active profile")
    said = press("profile", lambda n: n.startswith("Profile ") and n != "Profile " + profile,
                 "the next profile")
    number = said.split()[-1]
    k.check(k.Dump().line("active profile") == number, "the display names the mouse's profile")
    told = heard.wait_for("KxOption", "notification", lambda n: n == "Now on profile " + number,
                          "the window to announce profile " + number)
    k.log("window: %r" % told)


sys.exit(k.run(main))
