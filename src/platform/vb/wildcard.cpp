#include "platform/vb/wildcard.h"

#include <utility>

namespace vb {

// One element of a compiled pattern.
struct WildcardElement {
    enum Kind { kLiteral, kOne, kAny, kSet };
    explicit WildcardElement(Kind k, char16_t c = 0) : kind(k), literal(c) {}
    Kind kind;
    char16_t literal;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;

    // The one character this element matches, if it matches one only ("[%]" matches "%").
    std::optional<char16_t> only_character() const {
        if (kind == kLiteral) {
            return literal;
        }
        if (kind == kSet && !negated && ranges.size() == 1 && ranges[0].first == ranges[0].second) {
            return ranges[0].first;
        }
        return std::nullopt;
    }

    bool matches(char16_t c) const {
        switch (kind) {
            case kLiteral:
                return literal == c;
            case kOne:
                return true;
            case kSet: {
                bool in = false;
                for (const auto& [low, high] : ranges) {
                    in = in || (c >= low && c <= high);
                }
                return in != negated;
            }
            case kAny:
                break;
        }
        return false;
    }
};

namespace {

using Element = WildcardElement;

// The set that opens at `i` ("[abc]", "[a-z]", "[!abc]"), `i` left on its "]"; nullopt
// where it never closes or is empty.
std::optional<Element> compile_set(std::u16string_view pattern, std::size_t& i) {
    Element set(Element::kSet);
    std::size_t j = i + 1;
    if (j < pattern.size() && pattern[j] == u'!') {
        set.negated = true;
        ++j;
    }
    while (j < pattern.size() && pattern[j] != u']') {
        char16_t low = pattern[j];
        char16_t high = low;
        if (j + 2 < pattern.size() && pattern[j + 1] == u'-' && pattern[j + 2] != u']') {
            high = pattern[j + 2];
            j += 2;
        }
        set.ranges.emplace_back(low, high);
        ++j;
    }
    if (j >= pattern.size() || set.ranges.empty()) {
        return std::nullopt;
    }
    i = j;
    return set;
}

// The whole pattern compiled first, so that a malformed one is refused whole.
std::optional<std::vector<Element>> compile_elements(std::u16string_view pattern,
                                                     Wildcards wildcards) {
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c == wildcards.any_run) {
            elements.emplace_back(Element::kAny);
        } else if (c == wildcards.any_one) {
            elements.emplace_back(Element::kOne);
        } else if (c == u'[' && wildcards.sets) {
            auto set = compile_set(pattern, i);
            if (!set) {
                return std::nullopt;
            }
            elements.push_back(std::move(*set));
        } else {
            elements.emplace_back(Element::kLiteral, c);
        }
    }
    return elements;
}

}  // namespace

WildcardPattern::WildcardPattern(const WildcardPattern&) = default;
WildcardPattern::WildcardPattern(WildcardPattern&&) noexcept = default;
WildcardPattern& WildcardPattern::operator=(const WildcardPattern&) = default;
WildcardPattern& WildcardPattern::operator=(WildcardPattern&&) noexcept = default;
WildcardPattern::~WildcardPattern() = default;

std::optional<WildcardPattern> WildcardPattern::compile(std::u16string_view pattern,
                                                        Wildcards wildcards) {
    auto elements = compile_elements(pattern, wildcards);
    if (!elements) {
        return std::nullopt;
    }
    WildcardPattern compiled;
    compiled.elements_ = std::move(*elements);
    return compiled;
}

std::optional<String> WildcardPattern::only_match() const {
    String text;
    for (const Element& element : elements_) {
        const auto c = element.only_character();
        if (!c) {
            return std::nullopt;
        }
        text += *c;
    }
    return text;
}

// Greedy matching with one backtrack point per run wildcard: linear in practice, never
// exponential.
bool WildcardPattern::matches(std::u16string_view text) const {
    const std::vector<Element>& elements = elements_;
    std::size_t t = 0, p = 0;
    std::size_t star = std::u16string_view::npos, star_text = 0;
    while (t < text.size()) {
        if (p < elements.size() && elements[p].kind != Element::kAny &&
            elements[p].matches(text[t])) {
            ++t;
            ++p;
        } else if (p < elements.size() && elements[p].kind == Element::kAny) {
            star = p++;
            star_text = t;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            t = ++star_text;
        } else {
            return false;
        }
    }
    while (p < elements.size() && elements[p].kind == Element::kAny) {
        ++p;
    }
    return p == elements.size();
}

}  // namespace vb
