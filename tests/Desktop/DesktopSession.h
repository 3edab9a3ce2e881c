#pragma once

#include <QImage>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

#include <functional>

// A real window system for the tests that need one: an X server (Xvfb) of the test's own, and
// on it, when asked, weston with its X11 backend (a Wayland session whose output is a window of
// that X server, with the X server's pointer and keyboard as its seat). The test process itself
// is an X client of that server (see DesktopTestMain.cpp), so it reads the screen and drives
// the pointer there.
namespace DesktopSession {

// Starts Xvfb (before the application object exists); its display name, or empty with the
// reason in *why.
QString startX(QString* why);

// Starts weston on the X server with a plain background of backgroundColour and no panel;
// false with the reason in *why.
bool startWeston(QRgb backgroundColour, QString* why);
void stopWeston();
QSize outputSize();
// The environment of a program of the Wayland session: WAYLAND_DISPLAY, and neither DISPLAY
// nor a chosen Qt platform (a session without an X server).
QProcessEnvironment waylandEnvironment();

// The X server's whole screen as it shows now, and the part of it that is weston's output.
QImage grabScreen();
QImage grabOutput();
// The bounding box of what the screen shows on the colour: rows and columns of at least 100
// pixels of other colours (a window, not the pointer).
QRect boundsOtherThan(const QImage& screen, QRgb colour);

// The X server's pointer: pressed at from, moved to to in steps, released (a drag with the
// left button); through the XTEST extension. pressed, when given, runs once the button is down
// and returns whether the drag may go on (a client that must answer the press first, on a
// loaded machine); false releases the button where it was pressed and fails the drag.
bool drag(QPoint from, QPoint to, const std::function<bool()>& pressed = {});
// A click of the left button there.
inline bool click(QPoint at) {
    return drag(at, at);
}

} // namespace DesktopSession
