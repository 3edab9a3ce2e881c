#pragma once

#include <QString>
#include <QTranslator>

// A language made up for testing the windows: every text that goes through the catalogues comes
// back marked ("⟦…⟧"), its letters accented and 40 % longer, as German or French run. A text
// that bypasses the catalogues then shows unmarked, and a place too tight for a longer language
// shows its text cut. Placeholders (%1, %n), HTML tags and entities are kept as they are.
class PseudoLanguage : public QTranslator {
public:
    static constexpr QChar kOpen{0x27E6};
    static constexpr QChar kClose{0x27E7};

    static QString pseudo(const QString& source);
    // Whether a text holds a marked translation.
    static bool isMarked(const QString& text);

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
