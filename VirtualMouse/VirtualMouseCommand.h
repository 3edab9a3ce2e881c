#pragma once

#include "FeatureFault.h"
#include "VirtualMouseFirmware.h"

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
    VirtualMouseFirmware::Key key = VirtualMouseFirmware::Key::Dpi; // Press
    int button = 0;                                                 // PressButton: 1..5
    int hz = 0;                                                     // StreamMotion
    int seconds = 0;                                                // StreamMotion
    std::optional<FeatureFault> fault;                              // Fault: none disarms

    // nullopt with the reason in *error for an unknown command or bad arguments.
    static std::optional<VirtualMouseCommand> parse(const QStringList& words, QString* error);

    // The usage text of these commands.
    static QString usage();
};
