#pragma once

#include "Hid/HidNodeSource.h"

#include <memory>

// The HID interfaces of the emulated mouse that kx-virtual-mouse serves: one node per interface
// the server names while the mouse is plugged, added as soon as it is plugged (before any report)
// and removed when it is unplugged or the server goes away. Input reports of the plugged
// generation are passed on; late ones of an earlier plug are dropped.
class VirtualHidNodeSource : public HidNodeSource {
    Q_OBJECT
public:
    explicit VirtualHidNodeSource(QObject* parent = nullptr);
    ~VirtualHidNodeSource() override;

    int start() override;
    const char* name() const override { return "Emulated HID"; }

private:
    struct Private;
    std::unique_ptr<Private> d_;
};
