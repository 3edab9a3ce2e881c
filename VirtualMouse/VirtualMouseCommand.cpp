#include "VirtualMouseCommand.h"

namespace {
std::optional<int> number(const QString& word, int min, int max) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

// fault [--at N] [--on read|write|any] short|stall|silent|unplug, or fault off.
std::optional<VirtualMouseCommand> parseFault(const QStringList& words, QString* error) {
    using Kind = FeatureFault::Kind;
    using On = FeatureFault::On;
    auto fail = [error](const QString& message) -> std::optional<VirtualMouseCommand> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    VirtualMouseCommand command;
    command.kind = VirtualMouseCommand::Kind::Fault;
    if (words == QStringList{QStringLiteral("off")})
        return command;
    FeatureFault fault;
    bool haveAt = false;
    bool haveOn = false;
    bool haveKind = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--at")) {
            const auto at = !haveAt && i + 1 < words.size()
                                ? number(words[++i], 1, FeatureFault::kMaxAt)
                                : std::nullopt;
            if (!at)
                return fail(QStringLiteral("fault --at takes one request number, 1 (the next) "
                                           "to %1")
                                .arg(FeatureFault::kMaxAt));
            fault.at = *at;
            haveAt = true;
            continue;
        }
        if (word == QLatin1String("--on")) {
            const QString what = !haveOn && i + 1 < words.size() ? words[++i] : QString();
            bool known = false;
            for (const On on : {On::Read, On::Write, On::Any}) {
                if (what == QLatin1String(FeatureFault::onName(on))) {
                    fault.on = on;
                    known = true;
                }
            }
            if (!known)
                return fail(QStringLiteral("fault --on takes one of read, write or any"));
            haveOn = true;
            continue;
        }
        bool known = false;
        for (const Kind kind : {Kind::Short, Kind::Stall, Kind::Silent, Kind::Unplug}) {
            if (!haveKind && word == QLatin1String(FeatureFault::kindName(kind))) {
                fault.kind = kind;
                known = true;
            }
        }
        if (!known)
            return fail(QStringLiteral("fault takes [--at N] [--on read|write|any] and one of "
                                       "short, stall, silent or unplug, or off"));
        haveKind = true;
    }
    if (!haveKind)
        return fail(QStringLiteral("fault needs one of short, stall, silent or unplug (or off)"));
    if (!fault.isValid())
        return fail(QStringLiteral("fault short cuts a read's answer: it is for reads only "
                                   "(--on read, the default)"));
    command.fault = fault;
    return command;
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
    if (verb == QLatin1String("fault"))
        return parseFault(words.mid(1), error);
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

QString VirtualMouseCommand::usage() {
    return QStringLiteral(
        "usage: kx-virtual-mouse [serve [--unplugged]]\n"
        "       kx-virtual-mouse gadget [--unplugged] [--udc NAME]\n"
        "       kx-virtual-mouse plug | unplug\n"
        "       kx-virtual-mouse press dpi | rate | profile | lock\n"
        "       kx-virtual-mouse press button N        (N = 1..5)\n"
        "       kx-virtual-mouse dump | status\n"
        "       kx-virtual-mouse stream-motion HZ SECONDS\n"
        "       kx-virtual-mouse fault [--at N] [--on read | write | any]\n"
        "                              short | stall | silent | unplug\n"
        "       kx-virtual-mouse fault off\n"
        "\n"
        "serve emulates the mouse on the socket until SIGINT or SIGTERM; gadget serves it as a\n"
        "USB gadget on this machine's USB device controller (root, configfs and FunctionFS)\n"
        "and takes the other commands on the socket. The other commands talk to the running\n"
        "server. stream-motion returns at once; the server streams on. fault arms how one\n"
        "feature request is answered: short (reads only), stall, not at all (silent), or by\n"
        "unplugging the mouse. It hits the Nth request from now (--at, 1 = the next) of those\n"
        "it counts (--on: reads, the default, writes, or any); a write it hits changes\n"
        "nothing. One fault is armed at a time; off disarms it, status shows it.\n");
}
