#include "ado/jet_dialect.h"

#include <string>
#include <utility>
#include <vector>

namespace ado {

namespace {

bool is_blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool is_surrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

// Matches `word` (upper case) at `at`, ignoring case, followed by a non-letter.
bool keyword_at(std::u16string_view text, std::size_t at, std::u16string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (upper(text[at + i]) != word[i]) {
            return false;
        }
    }
    const std::size_t end = at + word.size();
    return end == text.size() || !((upper(text[end]) >= u'A' && upper(text[end]) <= u'Z') ||
                                   text[end] == u'_' || (text[end] >= u'0' && text[end] <= u'9'));
}

std::size_t skip_blanks(std::u16string_view text, std::size_t at) {
    while (at < text.size() && is_blank(text[at])) {
        ++at;
    }
    return at;
}

// A NUL would end the statement for SQLite, so it is written as a character the literal
// lacks and put back by replace(): one call whatever their number, where a chain of ||
// as long as their number would pass SQLite's limit on the depth of an expression.
bool append_literal(vb::String& out, std::u16string_view literal) {
    if (literal.find(u'\0') == std::u16string_view::npos) {
        out += u'\'';
        out += literal;
        out += u'\'';
        return true;
    }
    std::vector<bool> used(0x10000);
    for (char16_t c : literal) {
        used[c] = true;
    }
    char16_t marker = 1;
    while (marker != 0 && (used[marker] || marker == u'\'' || is_surrogate(marker))) {
        ++marker;
    }
    if (marker == 0) {
        return false;
    }
    out += u"replace('";
    for (char16_t c : literal) {
        out += c == u'\0' ? marker : c;
    }
    out += u"',char(" + vb::from_utf8(std::to_string(marker)) + u"),char(0))";
    return true;
}

}  // namespace

std::optional<vb::String> to_sqlite(std::u16string_view jet, std::string& error) {
    vb::String out;
    out.reserve(jet.size() + 8);
    std::size_t i = skip_blanks(jet, 0);
    // "DELETE * FROM" is Jet's; SQLite knows only "DELETE FROM".
    if (keyword_at(jet, i, u"DELETE")) {
        std::size_t after = skip_blanks(jet, i + 6);
        if (after < jet.size() && jet[after] == u'*') {
            std::size_t from = skip_blanks(jet, after + 1);
            if (keyword_at(jet, from, u"FROM")) {
                out += u"DELETE ";
                i = from;
            }
        }
    }
    bool ended = false;
    while (i < jet.size()) {
        const char16_t c = jet[i];
        if (ended) {
            if (!is_blank(c)) {
                error = "Characters found after end of SQL statement.";
                return std::nullopt;
            }
            ++i;
            continue;
        }
        if (c == u';') {
            ended = true;
            ++i;
            continue;
        }
        if (c == u'\0') {
            error = "Syntax error in query expression.";
            return std::nullopt;
        }
        if (c == u'\'') {
            vb::String literal;  // quotes still doubled
            ++i;
            bool closed = false;
            while (i < jet.size()) {
                if (jet[i] == u'\'') {
                    if (i + 1 < jet.size() && jet[i + 1] == u'\'') {
                        literal += u"''";
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                literal += jet[i];
                ++i;
            }
            if (!closed || !append_literal(out, literal)) {
                error = "Syntax error in string in query expression.";
                return std::nullopt;
            }
            continue;
        }
        if (c == u'"' || c == u'[' || c == u'`') {
            // A quoted name: SQLite reads a quote or a ";" inside it as part of the name.
            const std::size_t close = jet.find(c == u'[' ? u']' : c, i + 1);
            if (close == std::u16string_view::npos ||
                jet.substr(i, close - i).find(u'\0') != std::u16string_view::npos) {
                error = "Syntax error in query expression.";
                return std::nullopt;
            }
            out += jet.substr(i, close + 1 - i);
            i = close + 1;
            continue;
        }
        out += c;
        ++i;
        // Jet has no comments: "--" is two minus signs, and "/*" no comment for SQLite either.
        if ((c == u'-' || c == u'/') && i < jet.size() && jet[i] == (c == u'-' ? u'-' : u'*')) {
            out += u' ';
        }
    }
    // SQLite takes a lone surrogate together with the character after it, which may be the
    // quote that ends a literal; it becomes U+FFFD, as on any other way to UTF-8.
    return vb::well_formed(std::move(out));
}

LikeResult jet_like(std::u16string_view text, std::u16string_view pattern) {
    // The pattern compiled into elements first, so that a malformed one is refused whole.
    struct Element {
        enum Kind { kLiteral, kOne, kAny, kSet };
        explicit Element(Kind k, char16_t c = 0) : kind(k), literal(c) {}
        Kind kind;
        char16_t literal;
        bool negated = false;
        std::vector<std::pair<char16_t, char16_t>> ranges;
    };
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c == u'%') {
            elements.emplace_back(Element::kAny);
        } else if (c == u'_') {
            elements.emplace_back(Element::kOne);
        } else if (c == u'[') {
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
                return LikeResult::kInvalidPattern;
            }
            elements.push_back(std::move(set));
            i = j;
        } else {
            elements.emplace_back(Element::kLiteral, c);
        }
    }

    auto matches_one = [](const Element& e, char16_t c) {
        switch (e.kind) {
            case Element::kLiteral:
                return e.literal == c;
            case Element::kOne:
                return true;
            case Element::kSet: {
                bool in = false;
                for (const auto& [low, high] : e.ranges) {
                    in = in || (c >= low && c <= high);
                }
                return in != e.negated;
            }
            case Element::kAny:
                break;
        }
        return false;
    };

    // Greedy matching with one backtrack point per %: linear in practice, never exponential.
    std::size_t t = 0, p = 0;
    std::size_t star = std::u16string_view::npos, star_text = 0;
    while (t < text.size()) {
        if (p < elements.size() && elements[p].kind != Element::kAny &&
            matches_one(elements[p], text[t])) {
            ++t;
            ++p;
        } else if (p < elements.size() && elements[p].kind == Element::kAny) {
            star = p++;
            star_text = t;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            t = ++star_text;
        } else {
            return LikeResult::kNoMatch;
        }
    }
    while (p < elements.size() && elements[p].kind == Element::kAny) {
        ++p;
    }
    return p == elements.size() ? LikeResult::kMatch : LikeResult::kNoMatch;
}

}  // namespace ado
