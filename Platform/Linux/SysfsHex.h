#pragma once

#include <optional>

// A hexadecimal sysfs attribute such as idVendor ("04f2") or bInterfaceNumber ("01"): hex digits
// only, surrounding blanks allowed, at most max. Anything else, or null, gives nullopt.
inline std::optional<unsigned> parseSysfsHex(const char* text, unsigned max) {
    if (text == nullptr)
        return std::nullopt;
    while (*text == ' ' || *text == '\t')
        ++text;
    unsigned value = 0;
    int digits = 0;
    for (; *text != '\0'; ++text, ++digits) {
        const char c = *text;
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * 16 + digit;
        if (value > max)
            return std::nullopt;
    }
    while (*text == ' ' || *text == '\t' || *text == '\n')
        ++text;
    if (digits == 0 || *text != '\0')
        return std::nullopt;
    return value;
}
