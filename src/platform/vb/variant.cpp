#include "platform/vb/variant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "platform/vb/runtime_error.h"

namespace vb {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

String ascii(const std::string& text) {
    return String(text.begin(), text.end());
}

// The power of ten of the first significant digit of a decimal number, saturated: enough
// to tell one too small for a Double from one too large.
long long power_of_ten(std::string_view number) {
    long long exponent = 0;
    const auto e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view written = number.substr(e + 1);
        const bool negative = written.front() == '-';
        written.remove_prefix(written.front() == '-' || written.front() == '+');
        if (std::from_chars(written.data(), written.data() + written.size(), exponent).ec !=
            std::errc()) {
            exponent = std::numeric_limits<int>::max();
        }
        exponent = negative ? -exponent : exponent;
        number = number.substr(0, e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_not_of("-0.");
    const long long position = first < point ? static_cast<long long>(point - first) - 1
                                             : -static_cast<long long>(first - point);
    return position + exponent;
}

// A number written in text, surrounded by blanks at most; nothing else converts.
std::optional<double> parse_number(const String& text) {
    std::string narrow;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        narrow += static_cast<char>(c);
    }
    const auto first = narrow.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = narrow.find_last_not_of(' ');
    std::string_view digits(narrow.data() + first, last - first + 1);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt;
        }
    }
    const char* const digits_end = digits.data() + digits.size();
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits_end, number);
    if (end != digits_end || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        // A number all the same: too small for a Double it is zero, too large it overflows.
        if (power_of_ten(digits) < 0) {
            return 0.0;
        }
        raise(kOverflow);
    }
    if (!std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

Integer integer_from(double number) {
    const double rounded = std::nearbyint(number);  // the default rounding mode is half to even
    if (!(rounded >= Integer::kMin && rounded <= Integer::kMax)) {
        raise(kOverflow);
    }
    return Integer(static_cast<long long>(rounded));
}

}  // namespace

String CStr(const Variant& v) {
    return std::visit(Overloaded{
                          [](Null) -> String { raise(kInvalidUseOfNull); },
                          [](bool b) -> String { return b ? u"True" : u"False"; },
                          [](std::int64_t n) { return ascii(std::to_string(n)); },
                          [](double d) {
                              char buffer[32];
                              std::snprintf(buffer, sizeof buffer, "%.15G", d);
                              return ascii(buffer);
                          },
                          [](const String& s) { return s; },
                      },
                      v.value());
}

bool CBool(const Variant& v) {
    return std::visit(Overloaded{
                          [](Null) -> bool { raise(kInvalidUseOfNull); },
                          [](bool b) { return b; },
                          [](std::int64_t n) { return n != 0; },
                          [](double d) { return d != 0; },
                          [](const String& s) {
                              if (equals_ignoring_ascii_case(s, u"true")) {
                                  return true;
                              }
                              if (equals_ignoring_ascii_case(s, u"false")) {
                                  return false;
                              }
                              const auto number = parse_number(s);
                              if (!number) {
                                  raise(kTypeMismatch);
                              }
                              return *number != 0;
                          },
                      },
                      v.value());
}

Integer CInt(const Variant& v) {
    return std::visit(Overloaded{
                          [](Null) -> Integer { raise(kInvalidUseOfNull); },
                          [](bool b) { return Integer(b ? -1 : 0); },
                          [](std::int64_t n) {
                              if (n < Integer::kMin || n > Integer::kMax) {
                                  raise(kOverflow);
                              }
                              return Integer(n);
                          },
                          [](double d) { return integer_from(d); },
                          [](const String& s) {
                              const auto number = parse_number(s);
                              if (!number) {
                                  raise(kTypeMismatch);
                              }
                              return integer_from(*number);
                          },
                      },
                      v.value());
}

}  // namespace vb
