#pragma once

#include <cerrno>

// The reason a libc or libudev call just failed: errno, or fallback where the call left it 0
// (libudev returns null without setting errno on some paths).
inline int errnoOr(int fallback) {
    return errno != 0 ? errno : fallback;
}
