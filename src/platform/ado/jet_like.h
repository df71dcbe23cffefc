// Jet's LIKE: % any run, _ one character, [abc], [a-z], [!abc]; everything else literal,
// compared exactly (case and trailing blanks count). A pattern is compiled once and then
// matched against every row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ado {

struct LikeElement;

class LikePattern final {
public:
    // Nothing for a malformed pattern: a set that never closes or holds nothing.
    static std::optional<LikePattern> compile(std::u16string_view pattern);

    LikePattern(const LikePattern&);
    LikePattern(LikePattern&&) noexcept;
    LikePattern& operator=(const LikePattern&);
    LikePattern& operator=(LikePattern&&) noexcept;
    ~LikePattern();

    bool matches(std::u16string_view text) const;
    // A pattern without wildcards, as the statements write a login, matches one text
    // only: this, in UTF-8, so that it is compared as the database stores it.
    const std::optional<std::string>& only_match() const { return only_match_; }

private:
    LikePattern() = default;

    std::vector<LikeElement> elements_;
    std::optional<std::string> only_match_;
};

enum class LikeResult { kMatch, kNoMatch, kInvalidPattern };

LikeResult jet_like(std::u16string_view text, std::u16string_view pattern);

}  // namespace ado
