#include "VirtualMouseCommand.h"

namespace {
std::optional<int> number(const QString& word, int min, int max) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}
} // namespace

std::optional<VirtualMouseCommand> VirtualMouseCommand::parse(const QStringList& words,
                                                              QString* error) {
    auto fail = [error](const QString& message) -> std::optional<VirtualMouseCommand> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (words.isEmpty())
        return fail(QStringLiteral("no command"));
    VirtualMouseCommand command;
    const QString& verb = words.first();
    const qsizetype arguments = words.size() - 1;
    auto noArguments = [&](Kind kind) -> std::optional<VirtualMouseCommand> {
        if (arguments != 0)
            return fail(QStringLiteral("%1 takes no arguments").arg(verb));
        command.kind = kind;
        return command;
    };

    if (verb == QLatin1String("plug"))
        return noArguments(Kind::Plug);
    if (verb == QLatin1String("unplug"))
        return noArguments(Kind::Unplug);
    if (verb == QLatin1String("dump"))
        return noArguments(Kind::Dump);
    if (verb == QLatin1String("status"))
        return noArguments(Kind::Status);
    if (verb == QLatin1String("press")) {
        using Key = VirtualMouseFirmware::Key;
        const QString what = arguments >= 1 ? words[1] : QString();
        if (what == QLatin1String("button")) {
            const auto n =
                arguments == 2 ? number(words[2], 1, VirtualMouseFirmware::kButtons) : std::nullopt;
            if (!n)
                return fail(QStringLiteral("press button takes a button number 1 to 5"));
            command.kind = Kind::PressButton;
            command.button = *n;
            return command;
        }
        for (const Key key : {Key::Dpi, Key::Rate, Key::Profile, Key::Lock}) {
            if (what == QLatin1String(VirtualMouseFirmware::keyName(key)) && arguments == 1) {
                command.kind = Kind::Press;
                command.key = key;
                return command;
            }
        }
        return fail(QStringLiteral("press takes dpi, rate, profile, lock or button N"));
    }
    if (verb == QLatin1String("fault")) {
        using Fault = VirtualMouseServer::Fault;
        for (const Fault fault : {Fault::Short, Fault::Stall, Fault::Silent, Fault::Unplug}) {
            if (arguments == 1 && words[1] == QLatin1String(faultName(fault))) {
                command.kind = Kind::Fault;
                command.fault = fault;
                return command;
            }
        }
        return fail(QStringLiteral("fault takes short, stall, silent or unplug"));
    }
    if (verb == QLatin1String("stream-motion")) {
        const auto hz = arguments == 2 ? number(words[1], 1, kMaxMotionHz) : std::nullopt;
        const auto seconds = arguments == 2 ? number(words[2], 1, kMaxMotionSeconds) : std::nullopt;
        if (!hz || !seconds)
            return fail(QStringLiteral("stream-motion takes HZ (1 to %1) and SECONDS (1 to %2)")
                            .arg(kMaxMotionHz)
                            .arg(kMaxMotionSeconds));
        command.kind = Kind::StreamMotion;
        command.hz = *hz;
        command.seconds = *seconds;
        return command;
    }
    return fail(QStringLiteral("unknown command \"%1\"").arg(verb));
}

const char* VirtualMouseCommand::faultName(VirtualMouseServer::Fault fault) {
    switch (fault) {
    case VirtualMouseServer::Fault::Short:
        return "short";
    case VirtualMouseServer::Fault::Stall:
        return "stall";
    case VirtualMouseServer::Fault::Silent:
        return "silent";
    case VirtualMouseServer::Fault::Unplug:
        return "unplug";
    }
    return "?";
}

QString VirtualMouseCommand::usage() {
    return QStringLiteral(
        "usage: kx-virtual-mouse [serve [--unplugged]]\n"
        "       kx-virtual-mouse gadget [--unplugged] [--udc NAME]\n"
        "       kx-virtual-mouse plug | unplug\n"
        "       kx-virtual-mouse press dpi | rate | profile | lock\n"
        "       kx-virtual-mouse press button N        (N = 1..5)\n"
        "       kx-virtual-mouse dump | status\n"
        "       kx-virtual-mouse stream-motion HZ SECONDS\n"
        "       kx-virtual-mouse fault short | stall | silent | unplug\n"
        "\n"
        "serve emulates the mouse on the socket until SIGINT or SIGTERM; gadget serves it as a\n"
        "USB gadget on this machine's USB device controller (root, configfs and FunctionFS)\n"
        "and takes the other commands on the socket. The other commands talk to the running\n"
        "server. stream-motion returns at once; the server streams on. fault makes the next\n"
        "feature report read answer short, stall, stay unanswered or unplug the mouse.\n");
}
