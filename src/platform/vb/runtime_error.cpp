#include "platform/vb/runtime_error.h"

#include <cstdio>

namespace vb {

namespace {

std::string number_text(std::int32_t number) {
    std::string text = std::to_string(number);
    if (number < 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<std::uint32_t>(number));
        text += " (";
        text += hex;
        text += ')';
    }
    return text;
}

}  // namespace

RuntimeError::RuntimeError(std::int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

std::string description_of(std::int32_t number) {
    switch (number) {
        case kInvalidProcedureCall:
            return "Invalid procedure call or argument";
        case kOverflow:
            return "Overflow";
        case kOutOfMemory:
            return "Out of memory";
        case kSubscriptOutOfRange:
            return "Subscript out of range";
        case kTypeMismatch:
            return "Type mismatch";
        case kInternalError:
            return "Internal error";
        case kBadFileNameOrNumber:
            return "Bad file name or number";
        case kFileNotFound:
            return "File not found";
        case kDeviceUnavailable:
            return "Device unavailable";
        case kDiskNotReady:
            return "Disk not ready";
        case kPathNotFound:
            return "Path not found";
        case kInvalidUseOfNull:
            return "Invalid use of Null";
        default:
            return "Application-defined or object-defined error";
    }
}

void raise(std::int32_t number) {
    throw RuntimeError(number, description_of(number));
}

std::string report_text(const RuntimeError& error) {
    return "Run-time error '" + number_text(error.number()) + "':\n\n" + error.description();
}

}  // namespace vb
