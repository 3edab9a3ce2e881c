#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// What the background program answers about the application rules, asked on the session bus
// without waiting: each answer reaches its handler later on this thread, and never after the
// asker (the context object) is gone. The program is not started for a question: no answer
// means that it does not run.
class AppRulesDaemon {
public:
    // How long an answer is waited for.
    static constexpr int kTimeoutMs = 2000;

    struct Availability {
        bool available = false;
        QString desktop; // "x11", "wlroots", "kwin"; or why not: "gnome-wayland", "wayland", ...
    };
    // none: no answer (the program does not run, or answered nonsense).
    static void askAvailability(QObject* context,
                                std::function<void(std::optional<Availability>)> answer);

    struct FrontApplication {
        QString app;  // as a rule names it; empty when the program knows none yet
        QString name; // to show
    };
    static void askFrontApplication(QObject* context,
                                    std::function<void(std::optional<FrontApplication>)> answer);
};
