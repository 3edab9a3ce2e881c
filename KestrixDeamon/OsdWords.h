#pragma once

#include <QString>

class QImage;

// The words of the on-screen display's pictures ("SENSITIVITY", "STAGE 2 OF 4", "LOCKED"),
// drawn over them in the user's language where the artwork (Artwork/*.svg) leaves them out: the
// pictures hold the shapes and the numbers. Each word has its place, size and colour as the
// artwork would give it; a word too long for its room is drawn narrower.
namespace OsdWords {

// Draws the words of the picture of a display tag ("dpi0".."dpi3", "rate0".."rate2",
// "P1".."P5", "lock", "unlock") into it; nothing for another tag. A detail, where given, takes
// the place of the line under the title (the application a profile was chosen for).
void drawInto(QImage& picture, const QString& tag, const QString& detail = QString());

} // namespace OsdWords
