#pragma once

#include <QString>
#include <QStringList>

// The language of every text a user reads: the first of the user's preferred languages (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG, as gettext takes them) that the programs are translated into,
// English (the language of the sources) when none is. The tooltips follow the same choice, so a
// user reads one language.
namespace KxLanguage {

// The languages there is a catalogue for, as the preferred-language codes name them ("de",
// "zh-Hans"); English is not among them.
QStringList translated();
// The language chosen for the user ("en" when none of theirs is translated); once a language is
// installed, that one.
QString chosen();
// How files in a language are named: "de" → "de", "zh-Hans" → "zh_CN" ("kestrix_zh_CN.qm").
QString fileStem(const QString& code);
// Installs the chosen language's catalogue into the running application, with Qt's own for the
// texts of its standard dialogs where the system has it; returns the language. Call once, after
// the application object is made and before any text is shown.
QString install();
// Installs a language's catalogue ("de", "zh-Hans"), whatever the user prefers (pictures of the
// windows in a language); false when there is none for it.
bool install(const QString& language);

} // namespace KxLanguage
