// Build-time tool: the words of the views' layouts as a source file that lupdate reads, so that
// the catalogues hold them in the context the views translate them in (the layout's name; the
// pop-ups' is "Popup").
//
//   kx-layout-words <output.cpp>
//
// Each word comes with a note for the translator: where it shows, and for a drawn label the room
// it has, since a label too long for its place is drawn smaller and then cut.
#include "KxLayouts.h"
#include "KxTextLook.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <cstdio>

namespace {

class Words {
public:
    void add(const char* context, std::string_view words, const QString& note) {
        // Numbers and units ("1", "125 Hz") read the same in every language.
        const QString text = KxLayout::text(words);
        if (!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
            return;
        const QString key = QString::fromLatin1(context) + QChar(0) + text;
        if (seen_.contains(key))
            return;
        seen_.insert(key);
        out_ += QStringLiteral("//: %1\nQT_TRANSLATE_NOOP(\"%2\", \"%3\");\n")
                    .arg(note, QString::fromLatin1(context), escaped(text));
    }
    QByteArray source() const {
        return "// Made by kx-layout-words from the views' layouts, for lupdate only.\n" +
               out_.toUtf8();
    }

private:
    static QString escaped(QString text) {
        return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""));
    }
    QString out_;
    QSet<QString> seen_;
};

QString room(const QRect& frame) {
    return QStringLiteral("%1 points wide").arg(frame.width());
}

void addView(Words& words, const KxLayout::View& view) {
    using KxLayout::DecorKind;
    const char* context = view.name.data();
    words.add(context, view.description, QStringLiteral("the window's description, spoken"));
    for (const KxLayout::Decoration& d : view.decorations) {
        switch (d.kind) {
        case DecorKind::Title:
            words.add(context, d.text, QStringLiteral("the window's title, %1").arg(room(d.frame)));
            break;
        case DecorKind::Caption:
            words.add(context, d.text,
                      QStringLiteral("a caption over controls, %1").arg(room(d.frame)));
            break;
        case DecorKind::Text:
            words.add(context, d.text, QStringLiteral("a line of text, %1").arg(room(d.frame)));
            break;
        default:
            break;
        }
    }
    for (const KxLayout::Control& c : view.controls) {
        const KxTextLook::Fitted fitted =
            KxTextLook::placeControlLabel(c, QRectF(c.frame), KxLayout::text(c.label)).fitted;
        const qreal width = QFontMetricsF(fitted.font).horizontalAdvance(fitted.text);
        words.add(context, c.label,
                  QStringLiteral("the label of the control %1, %2 (English uses %3)")
                      .arg(KxLayout::text(c.name), room(c.frame))
                      .arg(qRound(width)));
        words.add(
            context, c.spoken,
            QStringLiteral("the name a screen reader says for %1").arg(KxLayout::text(c.name)));
        words.add(context, c.description,
                  QStringLiteral("what a screen reader says %1 does").arg(KxLayout::text(c.name)));
        words.add(context, c.group, QStringLiteral("the name of a group of choices, spoken"));
    }
}

void addPopup(Words& words, const PopupLayout::Popup& popup) {
    const char* context = PopupLayout::kContext;
    words.add(context, popup.title,
              QStringLiteral("a message's title, %1").arg(room(PopupLayout::kTitleFrame)));
    words.add(context, popup.message,
              QStringLiteral("a message, wrapped in %1 by %2 points")
                  .arg(PopupLayout::kMessageFrame.width())
                  .arg(PopupLayout::kMessageFrame.height()));
    words.add(context, popup.okDoes, QStringLiteral("what OK does here, spoken"));
    words.add(context, popup.cancelDoes, QStringLiteral("what Cancel does here, spoken"));
}

} // namespace

int main(int argc, char** argv) {
    // Measuring text needs a font database, which comes with a window-system plugin.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kx-layout-words <output.cpp>\n");
        return 2;
    }
    Words words;
    for (const KxLayout::View* view : KxLayout::kViews)
        addView(words, *view);
    for (const PopupLayout::Popup& popup : PopupLayout::kPopups)
        addPopup(words, popup);
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(words.source()) < 0 || !file.commit()) {
        std::fprintf(stderr, "kx-layout-words: cannot write %s: %s\n", argv[1],
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
