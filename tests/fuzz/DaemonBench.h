#pragma once

#include "DealwithMessage.h"
#include "FirmwareUsbBackend.h"
#include "FuzzSupport.h"
#include "KxAction.h"
#include "KxDeviceQueue.h"
#include "Usb/UsbNotificationPort.h"

#include <QCoreApplication>

#include <memory>

// The daemon's event handler as the program runs it, with the emulated firmware in this process
// as its mouse: what the daemon targets feed.
struct DaemonBench {
    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    QByteArray factory = VirtualMouseFirmware::factoryImage();
    std::unique_ptr<DealwithMessage> handler;

    // Lives for the process and is never destroyed: its windows cannot close once Qt's own
    // globals are gone at exit.
    static DaemonBench& get() {
        static DaemonBench* bench = new DaemonBench;
        return *bench;
    }

    // From LLVMFuzzerInitialize.
    void start(int* argc, char*** argv) {
        KxFuzz::setUp(argc, argv, KxFuzz::App::Widgets);
        KxAction::getSysPath();
        UsbNotificationPort::setBackendFactory([this] {
            std::vector<std::unique_ptr<UsbBackend>> backends;
            backends.push_back(std::make_unique<FirmwareUsbBackend>(firmware, log));
            return backends;
        });
        handler = std::make_unique<DealwithMessage>();
        handler->andDevPro();
        KX_FUZZ_CHECK(KxAction::checkListenDev());
    }

    // The mouse powered on from its factory memory with these bytes at the start of its stored
    // settings block (at most 16).
    void powerOn(const uint8_t* settings, size_t size) {
        QByteArray image = factory;
        std::memcpy(image.data(), settings, std::min<size_t>(size, 16));
        QString error;
        KX_FUZZ_CHECK_MSG(firmware->loadFlashImage(image, &error), error);
        log->clear();
    }

    // The live reads the input started are done at the mouse, and posted events (their outcomes,
    // a deferred delete, a queued call) run, as the daemon's loop would. A read still running when
    // the fuzzer exits would be reported as a leak, and its outcome would go untried.
    static void settle() {
        KX_FUZZ_CHECK(KxDeviceQueue::shared().waitUntilIdle(10000));
        QCoreApplication::processEvents();
    }
};
