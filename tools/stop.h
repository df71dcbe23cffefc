// What ends a command early: the message for the person at the terminal and the exit
// status that tells a script why.
#pragma once

#include <stdexcept>
#include <string>

namespace tool {

inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;   // a value refused, an unknown entry, problems found
inline constexpr int kUnusable = 2;  // a wrong command line, or a file that cannot be used

class Stop final : public std::runtime_error {
public:
    Stop(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

}  // namespace tool
