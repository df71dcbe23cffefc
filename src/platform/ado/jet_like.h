// Jet's LIKE, read by the runtime's wildcard matcher: % any run, _ one character, [abc], [a-z],
// [!abc]; everything else literal, compared exactly (case and trailing blanks count). A pattern is
// compiled once and then matched against every row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/vb/wildcard.h"

namespace ado {

class LikePattern final {
public:
    // Nothing for a malformed pattern: a set that never closes or holds nothing.
    static std::optional<LikePattern> compile(std::u16string_view pattern);

    bool matches(std::u16string_view text) const { return pattern_.matches(text); }
    // A pattern without wildcards, as the statements write a login, matches one text
    // only: this, in UTF-8, so that it is compared as the database stores it.
    const std::optional<std::string>& only_match() const { return only_match_; }

private:
    explicit LikePattern(vb::WildcardPattern pattern) : pattern_(std::move(pattern)) {}

    vb::WildcardPattern pattern_;
    std::optional<std::string> only_match_;
};

enum class LikeResult { kMatch, kNoMatch, kInvalidPattern };

LikeResult jet_like(std::u16string_view text, std::u16string_view pattern);

}  // namespace ado
