#pragma once

#include "Linux/UniqueFd.h"
#include "VirtualMouseGadgetSetup.h"
#include "VirtualMouseServer.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <linux/aio_abi.h>

#include <array>
#include <deque>
#include <memory>

// The emulated mouse on a real USB bus: a configfs gadget with the mouse's ids and one
// FunctionFS function shaped like the mouse (VirtualMouseDescriptors.h), bound to a USB device
// controller such as dummy_hcd's. Control requests to its interfaces reach it as setup events on
// ep0 and are answered from the server's firmware; input reports go out on the interrupt IN
// endpoints through kernel AIO, so a host that does not poll never blocks the program. Plugging
// binds the gadget to the controller, unplugging unbinds it. Needs root. What each control
// request gets is VirtualMouseGadgetSetup's choice; this class carries it out on ep0.
class VirtualMouseGadget : public QObject,
                           public VirtualMouseServer::Attachment,
                           private VirtualMouseGadgetSetup::Ep0 {
public:
    struct Options {
        QString configfs = QStringLiteral("/sys/kernel/config");
        QString udc;        // empty: the first controller in /sys/class/udc
        QString mountPoint; // where FunctionFS is mounted (made and removed here)
        QString name = QStringLiteral("kx-virtual-mouse");
    };
    // The kernel gives up on a control request after 5 s (USB_CTRL_GET_TIMEOUT); an unanswered
    // one is dropped on this side a little later.
    static constexpr int kHostControlTimeoutMs = 5000;
    static constexpr int kSilentHoldMs = kHostControlTimeoutMs + 1000;
    // Input reports waiting for a host that does not poll; older ones are dropped beyond this,
    // as a full endpoint queue would.
    static constexpr size_t kMaxQueuedReports = 32;

    VirtualMouseGadget(VirtualMouseServer& server, Options options, QObject* parent = nullptr);
    ~VirtualMouseGadget() override;

    // Creates the gadget and its function and writes the descriptors; not yet bound.
    bool start(QString* error);
    // Unbinds and removes everything start made.
    void stop();

    // VirtualMouseServer::Attachment
    void attach() override;
    void detach() override;
    void sendInputReport(const VirtualMouseFirmware::InputReport& report) override;

private:
    struct Endpoint {
        UniqueFd fd;
        std::deque<QByteArray> queue;
        QByteArray inFlight; // the buffer the kernel is sending
        iocb block{};
    };

    bool createGadget(QString* error);
    void removeGadget();
    bool writeConfig(const QString& relative, const QByteArray& value, QString* error);
    bool makeDir(const QString& relative, QString* error);

    void onEp0Readable();
    // VirtualMouseGadgetSetup::Ep0
    void reply(const QByteArray& data) override;
    void acknowledge() override;
    std::optional<QByteArray> receive(uint16_t length) override;
    void stall(bool inDirection) override;
    void holdUnanswered(bool inDirection) override;
    // Ends a request held unanswered, once the host has given up on it.
    void releaseHeld();

    void pump(Endpoint& endpoint);
    void onAioDone();
    void dropReports();

    VirtualMouseServer& server_;
    Options options_;
    QString gadgetDir_;
    QStringList made_; // configfs entries made, in order
    bool mounted_ = false;
    bool bound_ = false;
    bool enabled_ = false;

    VirtualMouseGadgetSetup setup_{server_, *this};
    UniqueFd ep0_;
    std::unique_ptr<QSocketNotifier> ep0Notifier_;
    QTimer silentHold_;
    bool heldIn_ = false;               // the direction of the request held unanswered
    std::array<Endpoint, 2> endpoints_; // by interface
    aio_context_t aio_ = 0;
    UniqueFd aioEvents_; // eventfd the AIO completions signal
    std::unique_ptr<QSocketNotifier> aioNotifier_;
};
