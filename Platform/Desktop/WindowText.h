#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text that another program put on its window (X11 properties, Wayland app_id and title, what
// KWin tells): untrusted, so bounded in length and stripped of control characters before it
// reaches a log, a rule or the user.
namespace WindowText {

// The most bytes read of one property; longer values are cut there.
inline constexpr int kMaxBytes = 1024;

// UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise; at most kMaxBytes bytes are looked
// at (a UTF-8 sequence that bound cuts in two is dropped). Pass more than kMaxBytes when the
// value is longer, so that the cut is known. Control characters and the
// bidirectional overrides are removed, the rest kept as it is.
QString decode(QByteArrayView bytes);

// X11's WM_CLASS: the instance and the class, each NUL-terminated. A missing final NUL, a
// value with one string only (the instance) or with more than two (the rest ignored) are read
// as far as they go.
struct WmClass {
    QString instance;
    QString className;
};
WmClass decodeWmClass(QByteArrayView bytes);

} // namespace WindowText
