#include "check_values.h"

#include <charconv>
#include <cmath>
#include <string>

#include "values.h"

namespace tool {

namespace {

constexpr std::int64_t kSmallest = -32768;
constexpr std::int64_t kLargest = 32767;

std::string holds(std::size_t count) {
    return " (it holds " + std::to_string(count) + ")";
}

std::optional<Problem> judge_login(const vb::String& login) {
    if (login.size() < data::kLoginWidth) {
        return Problem{{},
                       "the login " + shown(login) + " is not filled to 50 characters" +
                           holds(login.size()) + ": the program never finds it"};
    }
    if (login.size() > data::kLoginWidth) {
        return Problem{{},
                       "the login " + shown(login) + " is longer than 50 characters" +
                           holds(login.size()) + ": the program never finds it"};
    }
    return std::nullopt;
}

std::optional<Problem> judge_text(const data::Column& column, std::string_view table,
                                  const vb::String& text) {
    if (text.size() <= column.width) {
        return std::nullopt;
    }
    if (table == "compte") {
        return Problem{{},
                       "the password is longer than 25 characters" + holds(text.size()) +
                           ": the program compares only its first 25",
                       true};
    }
    return Problem{{},
                   "longer than the " + std::to_string(column.width) +
                       " characters the program reads" + holds(text.size()) + ": shown cut",
                   true};
}

// A whole number as text, as SQLite may hold one typed in by hand.
std::optional<std::int64_t> whole_number(const vb::String& text) {
    const std::string digits = vb::to_utf8(text);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<Problem> judge_integer(const vb::Variant& variant) {
    const vb::Variant::Value& value = variant.value();
    std::optional<std::int64_t> number;
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        number = *integer;
    } else if (const auto* real = std::get_if<double>(&value)) {
        if (std::trunc(*real) == *real && std::abs(*real) < 1e18) {
            number = static_cast<std::int64_t>(*real);
        }
    } else if (const auto* text = std::get_if<vb::String>(&value)) {
        number = whole_number(*text);
    } else if (const auto* boolean = std::get_if<bool>(&value)) {
        number = *boolean ? -1 : 0;
    }
    if (!number) {
        return Problem{{}, vb::to_utf8(vb::CStr(variant)) + " is not a whole number"};
    }
    if (*number < kSmallest || *number > kLargest) {
        return Problem{
            {},
            std::to_string(*number) + " is outside -32768..32767: the program stops with Overflow"};
    }
    return std::nullopt;
}

std::optional<Problem> judge_boolean(const vb::Variant& variant) {
    const vb::Variant::Value& value = variant.value();
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        if (*integer == 0 || *integer == 1 || *integer == -1) {
            return std::nullopt;
        }
    } else if (const auto* text = std::get_if<vb::String>(&value)) {
        if (vb::equals_ignoring_ascii_case(*text, u"True") ||
            vb::equals_ignoring_ascii_case(*text, u"False")) {
            return std::nullopt;
        }
    } else if (std::holds_alternative<bool>(value)) {
        return std::nullopt;
    }
    return Problem{{}, shown(vb::CStr(variant)) + " is not a Boolean"};
}

}  // namespace

std::optional<Problem> judge(const data::Column& column, std::string_view table,
                             const vb::Variant& value) {
    if (value.is_null()) {
        return Problem{{},
                       column.use == data::ColumnUse::kOwner
                           ? "Null: the row belongs to no account"
                           : "Null: the program stops with Invalid use of Null"};
    }
    switch (column.use) {
        case data::ColumnUse::kOwner:
        case data::ColumnUse::kLogin:
            return judge_login(vb::CStr(value));
        case data::ColumnUse::kText:
            return judge_text(column, table, vb::CStr(value));
        case data::ColumnUse::kInteger:
            return judge_integer(value);
        case data::ColumnUse::kBoolean:
            return judge_boolean(value);
    }
    return std::nullopt;
}

}  // namespace tool
