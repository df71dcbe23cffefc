// Fuzzes the runtime's fixed-width texts and 16-bit numbers: a fixed text is its value cut or
// filled with blanks, and an Integer or CInt holds the value, rounded half to even, when it
// fits 16 bits and raises Overflow otherwise.
#include <algorithm>
#include <cmath>
#include <string>

#include "fuzz_input.h"
#include "vb/fixed_text.h"
#include "vb/integer.h"
#include "vb/runtime_error.h"
#include "vb/variant.h"

namespace {

using fuzz_input::require;
constexpr int kOverflowed = 1 << 16;  // beyond every Integer

// What `f` gives, or kOverflowed where it raises Overflow.
template <typename F>
int value_of(F f) {
    try {
        return f();
    } catch (const vb::RuntimeError& error) {
        return error.number() == vb::kOverflow ? kOverflowed : -kOverflowed;
    }
}

int in_16_bits(double value) {
    return value >= vb::Integer::kMin && value <= vb::Integer::kMax ? static_cast<int>(value)
                                                                    : kOverflowed;
}

template <std::size_t N>
void check_fixed(const vb::String& text) {
    vb::String expected = text.substr(0, N);
    expected.resize(N, u' ');
    require(vb::FixedText<N>(text).view() == expected && vb::fit(text, N) == expected,
            "a fixed text is its value cut or filled with blanks", vb::to_utf8(text));
}

void check_numbers(std::int32_t small, std::int64_t whole, double real) {
    // An Integer of it, CInt of its text, CInt of a double (which rounds half to even).
    const std::pair<int, double> outcomes[] = {
        {value_of([&] { return vb::Integer(small).value(); }), small},
        {value_of([&] { return vb::CInt(vb::Variant(vb::CStr(vb::Variant(whole)))).value(); }),
         static_cast<double>(whole)},
        {value_of([&] { return vb::CInt(vb::Variant(real)).value(); }), std::nearbyint(real)}};
    for (const auto& [got, value] : outcomes) {
        require(got == in_16_bits(value), "an Integer or CInt holds 16 bits, else raises Overflow",
                std::to_string(value));
    }
    require(vb::CInt(vb::Variant(true)) == -1 && vb::CInt(vb::Variant(false)) == 0,
            "CInt gives -1 for True and 0 for False", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vb::String text = fuzz_input::decode({reinterpret_cast<const char*>(data), size});
    check_fixed<0>(text);
    check_fixed<1>(text);
    check_fixed<50>(text);
    // The same bytes read as numbers: the first 8 as a whole one (4 of them for an Integer),
    // the next 8 as a double.
    struct {
        std::int64_t whole;
        double real;
    } numbers{};
    std::copy_n(data, std::min(size, sizeof numbers), reinterpret_cast<std::uint8_t*>(&numbers));
    check_numbers(static_cast<std::int32_t>(numbers.whole), numbers.whole, numbers.real);
    return 0;
}
