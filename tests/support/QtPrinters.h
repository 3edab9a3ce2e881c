#pragma once

#include <QString>

#include <ostream>

// Qt's strings in the failures' messages as text (GoogleTest finds these by the argument's type).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
