#pragma once

#include <string>

// A value as a message quotes it back: cut after kEchoLength characters with
// an ellipsis, so that a runaway argument cannot bury the message itself.
// UTF-8 in and out; a character is never cut in half.
constexpr std::size_t kEchoLength = 40;

inline std::string EchoText(const std::string& value)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(value[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == kEchoLength)
            return value.substr(0, i) + "\u2026";
    }
    return value;
}
