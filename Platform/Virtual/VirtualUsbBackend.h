#pragma once

#include "Usb/UsbBackend.h"

#include <memory>

// The emulated mouse served by kx-virtual-mouse. The backend subscribes on the server's socket
// (VirtualUsbSubscription) and reports the mouse as arriving when the server says it is plugged
// and as removed when it is unplugged or the server goes away; a server starting later is found
// at once.
class VirtualUsbBackend : public UsbBackend {
    Q_OBJECT
public:
    explicit VirtualUsbBackend(QObject* parent = nullptr);
    ~VirtualUsbBackend() override;

    int start() override;
    const char* name() const override { return "Emulated"; }

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
