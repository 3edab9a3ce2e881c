#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

// The mouse's flash as a file. Saves are atomic and coalesced: the first change after a save
// arms a single-shot timer and the image is taken when it fires, so a stream of writes costs one
// file write per interval; flush() writes at once (on exit).
class FlashStore : public QObject {
    Q_OBJECT
public:
    static constexpr int kSaveDelayMs = 100;

    // ${XDG_STATE_HOME:-~/.local/state}/kx-virtual-mouse/flash.bin
    static QString defaultPath();

    FlashStore(QString path, std::function<QByteArray()> image, QObject* parent = nullptr);
    ~FlashStore() override;

    const QString& path() const { return path_; }

    // The stored image, or nullopt when there is none or it is not usable. A file that cannot
    // be read or has the wrong size is moved aside (its new name in *note) so that nothing is
    // lost when the factory image replaces it.
    std::optional<QByteArray> load(qsizetype expectedSize, QString* note);

    void scheduleSave();
    bool flush(QString* error = nullptr);

Q_SIGNALS:
    void saveFailed(const QString& message);

private:
    bool save(QString* error);

    QString path_;
    std::function<QByteArray()> image_;
    QTimer timer_;
};
