#pragma once

#include "VirtualMouseServer.h"

#include <QByteArray>

#include <linux/usb/ch9.h>

#include <cstdint>
#include <optional>

// How the gadget answers the control requests that reach its function (FunctionFS setup events
// on ep0): report descriptors, the HID class requests, and feature reports 3 and 4 on
// interface 1 from the server's firmware, each feature request first counted against the
// server's armed fault. Apart from FunctionFS, so that it runs without a kernel.
class VirtualMouseGadgetSetup {
public:
    // ep0 with a request waiting for its answer.
    class Ep0 {
    public:
        virtual ~Ep0() = default;
        // The data stage of an IN request: at most what the host asked for.
        virtual void reply(const QByteArray& data) = 0;
        // The status stage of a request without data.
        virtual void acknowledge() = 0;
        // The data stage of an OUT request, which completes it; none when it did not come.
        virtual std::optional<QByteArray> receive(uint16_t length) = 0;
        virtual void stall(bool inDirection) = 0;
        // Leaves the request unanswered until the host has given up on it.
        virtual void holdUnanswered(bool inDirection) = 0;
    };

    VirtualMouseGadgetSetup(VirtualMouseServer& server, Ep0& ep0) : server_(server), ep0_(ep0) {}

    // One setup packet, as FunctionFS gives it (little-endian fields).
    void handle(const usb_ctrlrequest& setup);

private:
    void getFeature(int interfaceNumber, uint8_t reportId, uint16_t length);
    void setFeature(int interfaceNumber, uint8_t reportId, uint16_t length);
    // Answers the request as a stall, silence or unplug fault says; false for a short answer,
    // which is the read's own business.
    bool answerWithFault(VirtualMouseServer::Fault fault, bool inDirection);

    VirtualMouseServer& server_;
    Ep0& ep0_;
};
