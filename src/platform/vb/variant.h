// The Variant that a database field yields, and the runtime's conversions of it to text,
// Boolean and Integer, each raising the runtime's own errors.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "platform/vb/integer.h"
#include "platform/vb/text.h"

namespace vb {

struct Null final {
    friend bool operator==(Null, Null) = default;
};

class Variant final {
public:
    using Value = std::variant<Null, bool, std::int64_t, double, String>;

    Variant() = default;
    Variant(Null) {}                                     // NOLINT
    Variant(bool value) : value_(value) {}               // NOLINT
    Variant(std::int64_t value) : value_(value) {}       // NOLINT
    Variant(double value) : value_(value) {}             // NOLINT
    Variant(String value) : value_(std::move(value)) {}  // NOLINT

    // Takes the text into the buffer this already holds, if it holds text.
    void assign_text(std::u16string_view text) {
        if (auto* held = std::get_if<String>(&value_)) {
            held->assign(text);
        } else {
            value_ = String(text);
        }
    }

    // The same for ASCII text, each byte one character.
    void assign_ascii(std::string_view text) {
        auto* held = std::get_if<String>(&value_);
        if (held == nullptr) {
            held = &value_.emplace<String>();
        }
        // Widened in place: assigning a range of another character type would go through a
        // temporary string.
        held->resize(text.size());
        std::copy(text.begin(), text.end(), held->begin());
    }

    bool is_null() const { return std::holds_alternative<Null>(value_); }
    const Value& value() const { return value_; }

private:
    Value value_;
};

// Text: Booleans read "True"/"False", numbers in their shortest decimal form.
String CStr(const Variant& v);
// Numbers: zero is False; text: "True"/"False" (any case) or a number.
bool CBool(const Variant& v);
// Numbers rounded half to even; text parsed as a number; beyond 16 bits: Overflow.
Integer CInt(const Variant& v);

}  // namespace vb
