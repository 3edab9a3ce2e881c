#include "KxPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWidget>

#include <future>
#include <vector>

// Q_INIT_RESOURCE declares a function, which it may not do inside a namespace.
static void initPictures() {
    Q_INIT_RESOURCE(KxPictures);
}

namespace KxPictures {

namespace {

// The pictures are compiled into a static library's object, which only a reference links in.
void ensureRegistered() {
    static const bool registered = [] {
        initPictures();
        return true;
    }();
    Q_UNUSED(registered);
}

QString doubled(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    QString name = fileName;
    name.insert(dot < 0 ? name.size() : dot, QStringLiteral("@2x"));
    return name;
}

QString keyOf(const QString& fileName, qreal devicePixelRatio) {
    return devicePixelRatio > 1 ? doubled(fileName) : fileName;
}

// Thread-safe: reads a resource and decodes it.
QImage decode(const QString& fileName, qreal devicePixelRatio) {
    QImage image;
    bool isDouble = false;
    if (devicePixelRatio > 1) {
        image = QImage(QStringLiteral(":/") + doubled(fileName));
        isDouble = !image.isNull();
    }
    if (image.isNull())
        image = QImage(QStringLiteral(":/") + fileName);
    if (!image.isNull())
        image.setDevicePixelRatio(isDouble ? 2 : 1);
    return image;
}

// Decoded pictures, shared (QImage is implicitly shared): a window made again, or a second window
// of the same kind, decodes nothing. Used from the main thread only.
QHash<QString, QImage>& cache() {
    static QHash<QString, QImage> pictures;
    return pictures;
}

} // namespace

QImage load(const QString& fileName, qreal devicePixelRatio) {
    if (fileName.isEmpty())
        return {};
    ensureRegistered();
    const QString key = keyOf(fileName, devicePixelRatio);
    const auto found = cache().constFind(key);
    if (found != cache().constEnd())
        return found.value();
    QImage image = decode(fileName, devicePixelRatio);
    cache().insert(key, image);
    return image;
}

void preload(const QStringList& fileNames, qreal devicePixelRatio) {
    ensureRegistered();
    // Each large picture takes milliseconds to decode; a window's state pictures are decoded side
    // by side.
    std::vector<std::pair<QString, std::future<QImage>>> pending;
    for (const QString& name : fileNames) {
        const QString key = keyOf(name, devicePixelRatio);
        if (name.isEmpty() || cache().contains(key))
            continue;
        pending.emplace_back(key, std::async(std::launch::async, decode, name, devicePixelRatio));
    }
    for (auto& [key, image] : pending)
        cache().insert(key, image.get());
}

QStringList decoded() {
    return cache().keys();
}

bool exists(const QString& fileName) {
    ensureRegistered();
    return !fileName.isEmpty() && QFile::exists(QStringLiteral(":/") + fileName);
}

qreal ratioFor(const QWidget* widget) {
    qreal ratio = 1;
    if (widget && widget->isVisible())
        ratio = widget->devicePixelRatioF();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        ratio = screen->devicePixelRatio();
    return ratio > 1 ? 2 : 1;
}

} // namespace KxPictures
