#include "VirtualMouseGadget.h"

#include "VirtualMouseDescriptors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <linux/usb/ch9.h>
#include <linux/usb/functionfs.h>

#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char kFunctionInstance[] = "kxmouse";

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Kernel AIO without a library: the three calls the endpoints need.
long ioSetup(unsigned events, aio_context_t* context) {
    return ::syscall(SYS_io_setup, events, context);
}
long ioDestroy(aio_context_t context) {
    return ::syscall(SYS_io_destroy, context);
}
long ioSubmit(aio_context_t context, long count, iocb** blocks) {
    return ::syscall(SYS_io_submit, context, count, blocks);
}
long ioGetEvents(aio_context_t context, long minimum, long maximum, io_event* events) {
    timespec none{0, 0};
    return ::syscall(SYS_io_getevents, context, minimum, maximum, events, &none);
}

} // namespace

VirtualMouseGadget::VirtualMouseGadget(VirtualMouseServer& server, Options options, QObject* parent)
    : QObject(parent), server_(server), options_(std::move(options)) {
    gadgetDir_ = options_.configfs + QStringLiteral("/usb_gadget/") + options_.name;
    silentHold_.setSingleShot(true);
    connect(&silentHold_, &QTimer::timeout, this, [this] { releaseHeld(); });
}

VirtualMouseGadget::~VirtualMouseGadget() {
    stop();
}

bool VirtualMouseGadget::makeDir(const QString& relative, QString* error) {
    const QString path = gadgetDir_ + relative;
    if (::mkdir(QFile::encodeName(path).constData(), 0755) != 0) {
        *error = QStringLiteral("cannot create %1: %2").arg(path, errorText(errno));
        return false;
    }
    made_.append(relative);
    return true;
}

bool VirtualMouseGadget::writeConfig(const QString& relative, const QByteArray& value,
                                     QString* error) {
    const QString path = gadgetDir_ + relative;
    const UniqueFd fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC));
    if (!fd.isValid() || ::write(fd.get(), value.constData(), size_t(value.size())) < 0) {
        *error = QStringLiteral("cannot write %1 to %2: %3")
                     .arg(QString::fromLatin1(value.trimmed()), path, errorText(errno));
        return false;
    }
    return true;
}

bool VirtualMouseGadget::createGadget(QString* error) {
    if (!QFileInfo(options_.configfs + QStringLiteral("/usb_gadget")).isDir()) {
        *error = QStringLiteral("no USB gadget support in %1 (configfs mounted there, module "
                                "libcomposite loaded?)")
                     .arg(options_.configfs);
        return false;
    }
    if (QFileInfo::exists(gadgetDir_)) {
        *error = QStringLiteral("a gadget %1 exists already (another kx-virtual-mouse gadget?)")
                     .arg(gadgetDir_);
        return false;
    }
    if (::mkdir(QFile::encodeName(gadgetDir_).constData(), 0755) != 0) {
        *error = QStringLiteral("cannot create %1: %2").arg(gadgetDir_, errorText(errno));
        return false;
    }
    made_.append(QString());
    const QString function = QStringLiteral("/functions/ffs.") + QLatin1String(kFunctionInstance);
    const QString link = QStringLiteral("/configs/c.1/ffs.") + QLatin1String(kFunctionInstance);
    const bool made =
        writeConfig(QStringLiteral("/idVendor"),
                    QByteArray::number(VirtualMouseServer::kVendorId, 16).prepend("0x"), error) &&
        writeConfig(QStringLiteral("/idProduct"),
                    QByteArray::number(VirtualMouseServer::kProductId, 16).prepend("0x"), error) &&
        writeConfig(QStringLiteral("/bcdDevice"), "0x0100", error) &&
        writeConfig(QStringLiteral("/bcdUSB"), "0x0200", error) &&
        makeDir(QStringLiteral("/strings/0x409"), error) &&
        writeConfig(QStringLiteral("/strings/0x409/manufacturer"), "Kestrix", error) &&
        writeConfig(QStringLiteral("/strings/0x409/product"), "Kestrix Gaming Mouse", error) &&
        writeConfig(QStringLiteral("/strings/0x409/serialnumber"), "KX0001", error) &&
        makeDir(QStringLiteral("/configs/c.1"), error) &&
        writeConfig(QStringLiteral("/configs/c.1/MaxPower"), "100", error) &&
        makeDir(QStringLiteral("/configs/c.1/strings/0x409"), error) &&
        writeConfig(QStringLiteral("/configs/c.1/strings/0x409/configuration"), "Mouse", error) &&
        makeDir(function, error);
    if (!made)
        return false;
    const QString linkPath = gadgetDir_ + link;
    if (::symlink(QFile::encodeName(gadgetDir_ + function).constData(),
                  QFile::encodeName(linkPath).constData()) != 0) {
        *error = QStringLiteral("cannot link %1: %2").arg(linkPath, errorText(errno));
        return false;
    }
    made_.append(link);
    return true;
}

void VirtualMouseGadget::removeGadget() {
    // Made in order: a link or folder is removed before what holds it.
    while (!made_.isEmpty()) {
        const QByteArray path = QFile::encodeName(gadgetDir_ + made_.takeLast());
        if (::rmdir(path.constData()) != 0 && errno == ENOTDIR)
            ::unlink(path.constData());
    }
}

bool VirtualMouseGadget::start(QString* error) {
    if (!createGadget(error)) {
        removeGadget();
        return false;
    }
    const QByteArray mountPoint = QFile::encodeName(options_.mountPoint);
    QDir().mkpath(options_.mountPoint);
    if (::mount(kFunctionInstance, mountPoint.constData(), "functionfs", 0, nullptr) != 0) {
        *error = QStringLiteral("cannot mount FunctionFS on %1: %2")
                     .arg(options_.mountPoint, errorText(errno));
        stop();
        return false;
    }
    mounted_ = true;

    ep0_.reset(::open((mountPoint + "/ep0").constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    const QByteArray descriptors = VirtualMouseDescriptors::functionFsDescriptors();
    const QByteArray strings = VirtualMouseDescriptors::functionFsStrings();
    if (!ep0_.isValid() ||
        ::write(ep0_.get(), descriptors.constData(), size_t(descriptors.size())) < 0 ||
        ::write(ep0_.get(), strings.constData(), size_t(strings.size())) < 0) {
        *error =
            QStringLiteral("FunctionFS refused the mouse's descriptors: %1").arg(errorText(errno));
        stop();
        return false;
    }
    for (size_t i = 0; i < endpoints_.size(); ++i) {
        const QByteArray path = mountPoint + "/ep" + QByteArray::number(int(i) + 1);
        endpoints_[i].fd.reset(::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
        if (!endpoints_[i].fd.isValid()) {
            *error = QStringLiteral("cannot open %1: %2")
                         .arg(QString::fromLocal8Bit(path), errorText(errno));
            stop();
            return false;
        }
    }
    aioEvents_.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!aioEvents_.isValid() || ioSetup(2 * kMaxQueuedReports, &aio_) != 0) {
        *error = QStringLiteral("cannot set up kernel AIO: %1").arg(errorText(errno));
        stop();
        return false;
    }
    aioNotifier_ = std::make_unique<QSocketNotifier>(aioEvents_.get(), QSocketNotifier::Read, this);
    connect(aioNotifier_.get(), &QSocketNotifier::activated, this, [this] { onAioDone(); });
    ep0Notifier_ = std::make_unique<QSocketNotifier>(ep0_.get(), QSocketNotifier::Read, this);
    connect(ep0Notifier_.get(), &QSocketNotifier::activated, this, [this] { onEp0Readable(); });

    const QStringList controllers =
        QDir(QStringLiteral("/sys/class/udc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (controllers.isEmpty() || (!options_.udc.isEmpty() && !controllers.contains(options_.udc))) {
        *error = options_.udc.isEmpty()
                     ? QStringLiteral("no USB device controller in /sys/class/udc (dummy_hcd "
                                      "provides a virtual one)")
                     : QStringLiteral("no USB device controller %1 in /sys/class/udc (there: %2)")
                           .arg(options_.udc, controllers.join(QStringLiteral(", ")));
        stop();
        return false;
    }
    if (options_.udc.isEmpty())
        options_.udc = controllers.first();
    return true;
}

void VirtualMouseGadget::stop() {
    detach();
    silentHold_.stop();
    ep0Notifier_.reset();
    aioNotifier_.reset();
    if (aio_ != 0) {
        ioDestroy(aio_); // waits for what the kernel still holds
        aio_ = 0;
    }
    for (Endpoint& endpoint : endpoints_)
        endpoint.inFlight = QByteArray();
    dropReports();
    for (Endpoint& endpoint : endpoints_)
        endpoint.fd.reset();
    ep0_.reset();
    aioEvents_.reset();
    if (mounted_) {
        ::umount(QFile::encodeName(options_.mountPoint).constData());
        ::rmdir(QFile::encodeName(options_.mountPoint).constData());
        mounted_ = false;
    }
    removeGadget();
}

void VirtualMouseGadget::attach() {
    if (bound_ || !ep0_.isValid())
        return;
    QString error;
    if (!writeConfig(QStringLiteral("/UDC"), options_.udc.toLatin1() + '\n', &error)) {
        Q_EMIT server_.warning(error);
        return;
    }
    bound_ = true;
    Q_EMIT server_.stateLine(QStringLiteral("gadget bound to %1").arg(options_.udc));
}

void VirtualMouseGadget::detach() {
    if (!bound_)
        return;
    QString error;
    if (!writeConfig(QStringLiteral("/UDC"), "\n", &error))
        Q_EMIT server_.warning(error);
    bound_ = false;
    enabled_ = false;
    dropReports();
    Q_EMIT server_.stateLine(QStringLiteral("gadget unbound from %1").arg(options_.udc));
}

void VirtualMouseGadget::onEp0Readable() {
    usb_functionfs_event events[8];
    for (;;) {
        const ssize_t n = ::read(ep0_.get(), events, sizeof events);
        if (n < 0) {
            if (errno == EINTR || errno == EIDRM) // EIDRM: a setup the host gave up on
                continue;
            if (errno != EAGAIN)
                Q_EMIT server_.warning(
                    QStringLiteral("reading FunctionFS events: %1").arg(errorText(errno)));
            return;
        }
        for (size_t i = 0; i < size_t(n) / sizeof events[0]; ++i) {
            switch (events[i].type) {
            case FUNCTIONFS_ENABLE:
                enabled_ = true;
                for (Endpoint& endpoint : endpoints_)
                    pump(endpoint);
                break;
            case FUNCTIONFS_DISABLE:
            case FUNCTIONFS_UNBIND:
                enabled_ = false;
                dropReports();
                break;
            case FUNCTIONFS_SETUP:
                // Always the last event of a read; it is answered before ep0 is read again.
                setup_.handle(events[i].u.setup);
                if (!ep0Notifier_->isEnabled())
                    return;
                break;
            default:
                break;
            }
        }
    }
}

void VirtualMouseGadget::reply(const QByteArray& data) {
    if (::write(ep0_.get(), data.constData(), size_t(data.size())) < 0)
        Q_EMIT server_.warning(
            QStringLiteral("answering a control request: %1").arg(errorText(errno)));
}

void VirtualMouseGadget::acknowledge() {
    // The status stage of a request without data.
    if (::read(ep0_.get(), nullptr, 0) < 0)
        Q_EMIT server_.warning(
            QStringLiteral("acknowledging a control request: %1").arg(errorText(errno)));
}

std::optional<QByteArray> VirtualMouseGadget::receive(uint16_t length) {
    QByteArray data(length, '\0');
    const ssize_t n = ::read(ep0_.get(), data.data(), size_t(length));
    if (n <= 0) {
        Q_EMIT server_.warning(QStringLiteral("a feature report's data did not arrive: %1")
                                   .arg(n < 0 ? errorText(errno) : QStringLiteral("no bytes")));
        return std::nullopt;
    }
    data.truncate(n);
    return data;
}

void VirtualMouseGadget::stall(bool inDirection) {
    // FunctionFS stalls a request that is served in the wrong direction; it reports EL2HLT.
    const ssize_t r = inDirection ? ::read(ep0_.get(), nullptr, 0) : ::write(ep0_.get(), "", 0);
    if (r < 0 && errno != EL2HLT)
        Q_EMIT server_.warning(
            QStringLiteral("stalling a control request: %1").arg(errorText(errno)));
}

void VirtualMouseGadget::holdUnanswered(bool inDirection) {
    // ep0 stays readable while a setup waits for its answer, so it is not watched until the host
    // has given up.
    heldIn_ = inDirection;
    ep0Notifier_->setEnabled(false);
    silentHold_.start(kSilentHoldMs);
}

void VirtualMouseGadget::releaseHeld() {
    if (!ep0Notifier_)
        return;
    // The held request is stalled now, which the host no longer hears. It may have been replaced
    // by the host's next request meanwhile (EIDRM) or be gone (ESRCH, EINVAL): nothing to end
    // then. An OUT request is never read here: that would wait for a data stage that the host,
    // having given up, never sends.
    const ssize_t r = heldIn_ ? ::read(ep0_.get(), nullptr, 0) : ::write(ep0_.get(), "", 0);
    if (r < 0 && errno != EL2HLT && errno != EIDRM && errno != ESRCH && errno != EINVAL &&
        errno != EAGAIN)
        Q_EMIT server_.warning(
            QStringLiteral("ending an unanswered control request: %1").arg(errorText(errno)));
    ep0Notifier_->setEnabled(true);
}

void VirtualMouseGadget::sendInputReport(const VirtualMouseFirmware::InputReport& report) {
    if (report.interfaceNumber < 0 || size_t(report.interfaceNumber) >= endpoints_.size() ||
        !bound_)
        return;
    Endpoint& endpoint = endpoints_[size_t(report.interfaceNumber)];
    if (endpoint.queue.size() >= kMaxQueuedReports)
        endpoint.queue.pop_front();
    endpoint.queue.push_back(report.bytes);
    pump(endpoint);
}

void VirtualMouseGadget::pump(Endpoint& endpoint) {
    if (!enabled_ || !endpoint.inFlight.isNull() || endpoint.queue.empty() || aio_ == 0)
        return;
    endpoint.inFlight = endpoint.queue.front();
    endpoint.queue.pop_front();
    endpoint.block = {};
    endpoint.block.aio_data = uint64_t(&endpoint - endpoints_.data());
    endpoint.block.aio_lio_opcode = IOCB_CMD_PWRITE;
    endpoint.block.aio_fildes = uint32_t(endpoint.fd.get());
    endpoint.block.aio_buf = uint64_t(uintptr_t(endpoint.inFlight.constData()));
    endpoint.block.aio_nbytes = uint64_t(endpoint.inFlight.size());
    endpoint.block.aio_flags = IOCB_FLAG_RESFD;
    endpoint.block.aio_resfd = uint32_t(aioEvents_.get());
    iocb* blocks[] = {&endpoint.block};
    if (ioSubmit(aio_, 1, blocks) != 1) {
        // EAGAIN: the endpoint was disabled meanwhile; the report is lost as with a cable pulled.
        endpoint.inFlight = QByteArray();
        if (errno != EAGAIN && errno != ESHUTDOWN)
            Q_EMIT server_.warning(
                QStringLiteral("sending an input report: %1").arg(errorText(errno)));
    }
}

void VirtualMouseGadget::onAioDone() {
    uint64_t count = 0;
    if (::read(aioEvents_.get(), &count, sizeof count) != sizeof count)
        return;
    io_event events[8];
    for (;;) {
        const long n = ioGetEvents(aio_, 0, 8, events);
        if (n <= 0)
            break;
        for (long i = 0; i < n; ++i) {
            const size_t index = size_t(events[i].data);
            if (index < endpoints_.size())
                endpoints_[index].inFlight = QByteArray();
        }
    }
    for (Endpoint& endpoint : endpoints_)
        pump(endpoint);
}

void VirtualMouseGadget::dropReports() {
    // A report in flight stays with the kernel until it completes (with an error once the
    // endpoint is disabled); only the waiting ones go.
    for (Endpoint& endpoint : endpoints_)
        endpoint.queue.clear();
}
