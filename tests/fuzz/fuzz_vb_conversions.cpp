// Fuzzes the runtime's fixed-width texts and 16-bit numbers: fit keeps its width and fills
// with blanks, an Integer holds 16 bits or raises Overflow, and the conversions keep to 16 bits,
// round half to even and carry text and Booleans unchanged.
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

void require(bool holds, const char* property, const std::string& detail) {
    if (!holds) {
        std::fprintf(stderr, "%s\n  %s\n", property, detail.c_str());
        std::abort();
    }
}

// What `f` gives, or the number of the run-time error it raises.
template <typename F>
std::pair<std::optional<int>, int> outcome(F f) {
    try {
        return {f(), 0};
    } catch (const vb::RuntimeError& error) {
        return {std::nullopt, error.number()};
    }
}

// The value if it fits in 16 bits, else Overflow.
std::pair<std::optional<int>, int> in_16_bits(double value) {
    if (value >= Integer::kMin && value <= Integer::kMax) {
        return {static_cast<int>(value), 0};
    }
    return {std::nullopt, vb::kOverflow};
}

template <std::size_t N>
void check_fixed(const vb::String& text) {
    const vb::FixedText<N> fixed = text;
    const std::size_t kept = std::min(text.size(), N);
    require(fixed.view() == vb::fit(text, N) && fixed.view().size() == N &&
                fixed.view().substr(0, kept) == text.substr(0, kept) &&
                fixed.view().find_first_not_of(u' ', kept) == vb::String::npos,
            "a fixed text keeps the start and fills with blanks", vb::to_utf8(text));
}

void check_integer(long long a) {
    require(outcome([&] { return Integer(a).value(); }) == in_16_bits(static_cast<double>(a)),
            "an Integer holds 16 bits or raises Overflow", std::to_string(a));
}

void check_conversions(const vb::String& text, long long whole, double real) {
    require(vb::CStr(vb::Variant(text)) == text, "CStr leaves text as it is", vb::to_utf8(text));
    for (bool b : {false, true}) {
        require(vb::CBool(vb::Variant(vb::CStr(vb::Variant(b)))) == b &&
                    vb::CInt(vb::Variant(b)) == (b ? -1 : 0),
                "Booleans convert to text and -1 or 0 and back", "");
    }
    const auto whole_text = vb::Variant(vb::CStr(vb::Variant(static_cast<std::int64_t>(whole))));
    require(outcome([&] { return vb::CInt(whole_text).value(); }) ==
                in_16_bits(static_cast<double>(whole)),
            "a whole number's text converts back, or raises Overflow", std::to_string(whole));
    const double rounded = std::nearbyint(real);  // half to even
    require(outcome([&] { return vb::CInt(vb::Variant(real)).value(); }) == in_16_bits(rounded),
            "CInt rounds half to even within 16 bits, else Overflow", std::to_string(real));
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
    const vb::String text = fuzz_input::decode({reinterpret_cast<const char*>(data), size});
    check_fixed<0>(text);
    check_fixed<1>(text);
    check_fixed<50>(text);
    // The same bytes read as numbers.
    check_integer(read<std::int32_t>(data, size, 0));
    check_conversions(text, read<std::int64_t>(data, size, 0), read<double>(data, size, 8));
    return 0;
}
