#pragma once

#include <sstream>
#include <string>

// What a command run as a function returned and printed.
struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

template <typename Command, typename... Args> CommandRun Invoke(Command command, const Args&... args)
{
    std::ostringstream out, err;
    const int status = command(args..., out, err);
    return {status, out.str(), err.str()};
}
