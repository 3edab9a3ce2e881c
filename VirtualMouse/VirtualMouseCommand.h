#pragma once

#include "VirtualMouseFirmware.h"
#include "VirtualMouseServer.h"

#include <QString>
#include <QStringList>

#include <optional>

// One command of the kx-virtual-mouse command line, as the program parses its arguments and the
// server parses the Command frame's text; both sides use this one parser.
struct VirtualMouseCommand {
    enum class Kind { Plug, Unplug, Press, PressButton, Dump, Status, StreamMotion, Fault };

    static constexpr int kMaxMotionHz = 8000;
    static constexpr int kMaxMotionSeconds = 3600;

    Kind kind = Kind::Status;
    VirtualMouseFirmware::Key key = VirtualMouseFirmware::Key::Dpi;     // Press
    int button = 0;                                                     // PressButton: 1..5
    int hz = 0;                                                         // StreamMotion
    int seconds = 0;                                                    // StreamMotion
    VirtualMouseServer::Fault fault = VirtualMouseServer::Fault::Short; // Fault

    // nullopt with the reason in *error for an unknown command or bad arguments.
    static std::optional<VirtualMouseCommand> parse(const QStringList& words, QString* error);

    // The word naming a fault on the command line.
    static const char* faultName(VirtualMouseServer::Fault fault);

    // The usage text of these commands.
    static QString usage();
};
