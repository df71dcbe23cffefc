// Fuzzes the runtime's fixed-width texts and 16-bit numbers: fit and FixedText keep their
// width, Integer is int arithmetic or Overflow, and the Variant conversions take exactly
// the decimal numbers and raise the runtime's errors for everything else.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "vb/fixed_text.h"
#include "vb/integer.h"
#include "vb/runtime_error.h"
#include "vb/variant.h"

namespace {

using vb::Integer;
using vb::String;

void require(bool holds, const char* property, const std::string& detail) {
    if (!holds) {
        std::fprintf(stderr, "%s\n  %s\n", property, detail.c_str());
        std::abort();
    }
}

// The number of the run-time error `f` raises, or nullopt when it raises none.
template <typename F>
std::optional<int> error_of(F f) {
    try {
        f();
        return std::nullopt;
    } catch (const vb::RuntimeError& error) {
        return error.number();
    }
}

template <std::size_t N>
void check_fixed(const String& text) {
    const String fitted = vb::fit(text, N);
    const std::string detail = vb::to_utf8(text) + " in " + std::to_string(N);
    require(fitted.size() == N, "fit is always as wide as asked", detail);
    const std::size_t kept = std::min(text.size(), N);
    require(fitted.compare(0, kept, text, 0, kept) == 0 &&
                fitted.find_first_not_of(u' ', kept) == String::npos,
            "fit keeps the text's start and fills with blanks", detail);
    vb::FixedText<N> fixed = text;
    require(fixed.view() == fitted, "FixedText holds what fit gives", detail);
    vb::FixedText<N> copy = fixed.view();
    require(copy == fixed && copy.text() == fitted, "a FixedText fits itself unchanged", detail);
    fixed = text.substr(0, text.size() / 2);
    require(fixed.view() == vb::fit(text.substr(0, text.size() / 2), N),
            "a shorter text leaves nothing of the longer one", detail);
}

void check_integer(long long a, long long b) {
    const std::string detail = std::to_string(a) + ", " + std::to_string(b);
    auto in_range = [](long long n) { return n >= Integer::kMin && n <= Integer::kMax; };
    require(error_of([&] { (void)Integer(a); }) ==
                (in_range(a) ? std::nullopt : std::optional<int>(vb::kOverflow)),
            "an Integer holds 16 bits or raises Overflow", detail);
    if (!in_range(a) || !in_range(b)) {
        return;
    }
    auto same_as_int = [&](auto op, long long expected, const char* property) {
        std::optional<int> got;
        const auto error = error_of([&] { got = op().value(); });
        require(in_range(expected) ? !error && got == expected : error == vb::kOverflow, property,
                detail);
    };
    const Integer x(a), y(b);
    same_as_int([&] { return x + y; }, a + b, "+ is int addition or Overflow");
    same_as_int([&] { return x - y; }, a - b, "- is int subtraction or Overflow");
    same_as_int([&] { return x * y; }, a * b, "* is int multiplication or Overflow");
    same_as_int([&] { return -x; }, -a, "negation is int negation or Overflow");
    same_as_int([&] { return ++Integer(x); }, a + 1, "++ counts up or raises Overflow");
    same_as_int([&] { return --Integer(x); }, a - 1, "-- counts down or raises Overflow");
    same_as_int([&] { return Integer(x) += y; }, a + b, "+= is + or Overflow");
    require((x <=> y) == (a <=> b), "Integers order as their values", detail);
}

bool is_digit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The text without its surrounding blanks, when it is a decimal number: a sign, digits
// with at most one point, an exponent.
std::optional<std::string> decimal(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    std::size_t i = text[0] == u'+' || text[0] == u'-';
    std::size_t digits = 0;
    for (; i < text.size() && is_digit(text[i]); ++i, ++digits) {
    }
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && is_digit(text[i]); ++i, ++digits) {
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        j += j < text.size() && (text[j] == u'+' || text[j] == u'-');
        const std::size_t exponent = j;
        for (; j < text.size() && is_digit(text[j]); ++j) {
        }
        i = j > exponent ? j : i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return std::string(text.begin() + (text[0] == u'+' ? 1 : 0), text.end());
}

// Whole numbers round half to even, as the runtime's CInt does.
bool rounds_to(double number, int result) {
    const double distance = std::fabs(number - result);
    return distance < 0.5 || (distance == 0.5 && result % 2 == 0);
}

void check_integer_of(double number, const std::string& detail) {
    std::optional<int> got;
    const auto error = error_of([&] { got = vb::CInt(vb::Variant(number)).value(); });
    const double rounded = std::nearbyint(number);
    if (rounded >= Integer::kMin && rounded <= Integer::kMax) {
        require(!error && rounds_to(number, *got), "CInt rounds half to even", detail);
    } else {
        require(error == vb::kOverflow, "CInt raises Overflow beyond 16 bits", detail);
    }
}

void check_variant(const String& text, long long whole, double real) {
    const std::string detail = vb::to_utf8(text);
    require(vb::CStr(vb::Variant(text)) == text, "CStr leaves text as it is", detail);

    const auto number = decimal(text);
    const double value = number ? std::strtod(number->c_str(), nullptr) : 0;
    std::optional<int> integer;
    const auto integer_error = error_of([&] { integer = vb::CInt(vb::Variant(text)).value(); });
    if (!number) {
        require(integer_error == vb::kTypeMismatch, "CInt of what is no number: Type mismatch",
                detail);
    } else if (!std::isfinite(value) || std::nearbyint(value) < Integer::kMin ||
               std::nearbyint(value) > Integer::kMax) {
        require(integer_error == vb::kOverflow, "CInt of a large number: Overflow", detail);
    } else {
        require(!integer_error && rounds_to(value, *integer), "CInt of a number rounds it", detail);
    }

    std::optional<bool> boolean;
    const auto boolean_error = error_of([&] { boolean = vb::CBool(vb::Variant(text)); });
    if (vb::equals_ignoring_ascii_case(text, u"true") ||
        vb::equals_ignoring_ascii_case(text, u"false")) {
        require(boolean == (text[0] == u't' || text[0] == u'T'), "CBool reads True and False",
                detail);
    } else if (!number) {
        require(boolean_error == vb::kTypeMismatch, "CBool of other text: Type mismatch", detail);
    } else if (!std::isfinite(value)) {
        require(boolean_error == vb::kOverflow, "CBool of a number beyond a Double: Overflow",
                detail);
    } else {
        require(boolean == (value != 0), "CBool of a number: whether it is not zero", detail);
    }

    for (bool b : {false, true}) {
        require(vb::CBool(vb::Variant(vb::CStr(vb::Variant(b)))) == b &&
                    vb::CInt(vb::Variant(b)) == (b ? -1 : 0),
                "Booleans convert to text and -1 or 0 and back", detail);
    }

    const auto whole_text = vb::CStr(vb::Variant(static_cast<std::int64_t>(whole)));
    std::optional<int> whole_back;
    const auto whole_error =
        error_of([&] { whole_back = vb::CInt(vb::Variant(whole_text)).value(); });
    require(whole >= Integer::kMin && whole <= Integer::kMax ? whole_back == whole
                                                             : whole_error == vb::kOverflow,
            "a whole number's text converts back, or raises Overflow", std::to_string(whole));
    require(
        error_of([&] { (void)vb::CInt(vb::Variant(static_cast<std::int64_t>(whole))); }) ==
            (whole >= Integer::kMin && whole <= Integer::kMax ? std::nullopt
                                                              : std::optional<int>(vb::kOverflow)),
        "CInt of a whole number beyond 16 bits raises Overflow", std::to_string(whole));

    check_integer_of(real, vb::to_utf8(vb::CStr(vb::Variant(real))));
    if (std::fabs(real) < 1e308) {  // the text of a larger one may round beyond a Double
        require(vb::CBool(vb::Variant(vb::CStr(vb::Variant(real)))) == (real != 0),
                "a real number's text reads back as the same truth", std::to_string(real));
    }
}

template <typename T>
T read(const std::uint8_t* data, std::size_t size, std::size_t at) {
    unsigned char bytes[sizeof(T)] = {};
    for (std::size_t i = 0; i < sizeof(T) && at + i < size; ++i) {
        bytes[i] = data[at + i];
    }
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String text = fuzz_input::decode({reinterpret_cast<const char*>(data), size});
    check_fixed<0>(text);
    check_fixed<1>(text);
    check_fixed<50>(text);
    check_fixed<255>(text);
    // The same bytes read as numbers: as they come, and cut to 16 bits to stay in range.
    const auto a = read<std::int32_t>(data, size, 0), b = read<std::int32_t>(data, size, 4);
    check_integer(a, b);
    check_integer(static_cast<std::int16_t>(a), static_cast<std::int16_t>(b));
    check_variant(text, read<std::int64_t>(data, size, 0), read<double>(data, size, 8));
    return 0;
}
