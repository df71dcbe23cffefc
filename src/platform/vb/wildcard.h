// Wildcard patterns, one matcher for every reading of them (LIKE's, Dir's), each with its own
// wildcards: one for any run of characters, one for any one character, and maybe sets in
// brackets ("[abc]", "[a-z]", "[!abc]"). Everything else is literal, compared exactly (case
// and trailing blanks count). A pattern is compiled once and then matched against many texts.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/vb/text.h"

namespace vb {

struct Wildcards {
    char16_t any_run;
    char16_t any_one;
    bool sets;  // without them "[" is a literal like any other character
};

struct WildcardElement;

class WildcardPattern final {
public:
    // Nothing for a malformed pattern: a set that never closes or holds nothing.
    static std::optional<WildcardPattern> compile(std::u16string_view pattern, Wildcards wildcards);

    WildcardPattern(const WildcardPattern&);
    WildcardPattern(WildcardPattern&&) noexcept;
    WildcardPattern& operator=(const WildcardPattern&);
    WildcardPattern& operator=(WildcardPattern&&) noexcept;
    ~WildcardPattern();

    bool matches(std::u16string_view text) const;
    // The one text a pattern without wildcards matches ("[%]" stands for "%" alone), if so.
    std::optional<String> only_match() const;

private:
    WildcardPattern() = default;

    std::vector<WildcardElement> elements_;
};

}  // namespace vb
