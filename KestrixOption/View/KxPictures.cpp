#include "KxPictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QScreen>
#include <QWidget>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

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

// The artwork is PNG only: read as PNG, without asking every image format plugin whether it
// reads it first (which loads each of them, and the SVG and JPEG libraries with them, into the
// process before its first frame).
QImage readPng(const QString& path) {
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Thread-safe: reads a resource and decodes it.
QImage decode(const QString& fileName, qreal devicePixelRatio) {
    QImage image;
    bool isDouble = false;
    if (devicePixelRatio > 1) {
        image = readPng(QStringLiteral(":/") + doubled(fileName));
        isDouble = !image.isNull();
    }
    if (image.isNull())
        image = readPng(QStringLiteral(":/") + fileName);
    if (image.isNull())
        return image;
    // Premultiplied once here, so that drawing and cutting never convert it again.
    if (image.hasAlphaChannel())
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(isDouble ? 2 : 1);
    return image;
}

// Decoded pictures, shared (QImage is implicitly shared): a window made again, or a second window
// of the same kind, decodes nothing. Used from the main thread only.
QHash<QString, QImage>& cache() {
    static QHash<QString, QImage> pictures;
    return pictures;
}

// A picture asked for ahead (prefetch). Whichever thread claims it first decodes it: the
// background thread when it comes to it, or the main thread when a load cannot wait for the
// queue; a load that finds it claimed by the background thread waits for its result.
struct Decoding {
    std::atomic<bool> claimed{false};
    std::promise<QImage> promise;
    std::future<QImage> result = promise.get_future();
};

// Keyed like the cache; used from the main thread only.
QHash<QString, std::shared_ptr<Decoding>>& pending() {
    static QHash<QString, std::shared_ptr<Decoding>> decodings;
    return decodings;
}

// One background thread, so that the main thread keeps a core of a two-core machine to itself;
// standard threads, whose synchronisation the thread sanitizer sees. It ends with the
// application (Qt's image code must not run on once the application is gone): the pictures not
// yet begun are dropped and the one being decoded is waited for. A later post starts it anew.
class Decoder {
public:
    ~Decoder() { stop(); }
    void post(std::function<void()> job) {
        {
            std::lock_guard lock(mutex_);
            if (!thread_.joinable()) {
                stopping_ = false;
                thread_ = std::thread([this] { run(); });
            }
            jobs_.push_back(std::move(job));
        }
        wake_.notify_one();
    }
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            jobs_.clear();
        }
        wake_.notify_one();
        if (thread_.joinable())
            thread_.join();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_)
                return;
            const std::function<void()> job = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

Decoder& decoder() {
    static Decoder decoder;
    static const bool endsWithTheApplication = [] {
        if (QCoreApplication::instance())
            qAddPostRoutine([] { decoder.stop(); });
        return true;
    }();
    Q_UNUSED(endsWithTheApplication);
    return decoder;
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
    QImage image;
    if (const std::shared_ptr<Decoding> ahead = pending().take(key)) {
        if (ahead->claimed.exchange(true))
            image = ahead->result.get();
        else
            image = decode(fileName, devicePixelRatio);
    } else {
        image = decode(fileName, devicePixelRatio);
    }
    cache().insert(key, image);
    return image;
}

void prefetch(const QStringList& fileNames, qreal devicePixelRatio) {
    ensureRegistered();
    for (const QString& name : fileNames) {
        const QString key = keyOf(name, devicePixelRatio);
        if (name.isEmpty() || cache().contains(key) || pending().contains(key))
            continue;
        auto decoding = std::make_shared<Decoding>();
        pending().insert(key, decoding);
        decoder().post([decoding, name, devicePixelRatio] {
            if (!decoding->claimed.exchange(true))
                decoding->promise.set_value(decode(name, devicePixelRatio));
        });
    }
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
