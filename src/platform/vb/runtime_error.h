// The run-time error: a number and a description, raised as an exception and reported
// once, at the top, by the toolkit layer.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vb {

enum ErrorNumber : std::int32_t {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kInternalError = 51,
    kBadFileNameOrNumber = 52,
    kFileNotFound = 53,
    kDeviceUnavailable = 68,
    kDiskNotReady = 71,
    kPathNotFound = 76,
    kInvalidUseOfNull = 94,
};

class RuntimeError final : public std::runtime_error {
public:
    // The description is UTF-8.
    RuntimeError(std::int32_t number, const std::string& description);

    std::int32_t number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    std::int32_t number_;
    std::string description_;
};

// The standard description of one of the runtime's own error numbers.
std::string description_of(std::int32_t number);

// Raises one of the runtime's own errors with its standard description.
[[noreturn]] void raise(std::int32_t number);

// "Run-time error 'N':", a blank line, the description. Negative numbers (those of the
// data layer) also show their unsigned hexadecimal form: '-2147467259 (80004005)'.
std::string report_text(const RuntimeError& error);

}  // namespace vb
