#include "platform/ado/jet_dialect.h"

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

namespace {

// Past "DELETE *" where the statement is Jet's "DELETE * FROM", which SQLite writes
// "DELETE FROM"; `at` otherwise.
std::size_t past_delete_star(std::u16string_view jet, std::size_t at, vb::String& out) {
    if (keyword_at(jet, at, u"DELETE")) {
        const std::size_t after = skip_blanks(jet, at + 6);
        if (after < jet.size() && jet[after] == u'*') {
            const std::size_t from = skip_blanks(jet, after + 1);
            if (keyword_at(jet, from, u"FROM")) {
                out += u"DELETE ";
                return from;
            }
        }
    }
    return at;
}

// Where the literal that opens at `at` ends, just past its closing quote; a doubled quote
// inside stays part of it. npos where it never closes.
std::size_t literal_end(std::u16string_view jet, std::size_t at) {
    for (std::size_t i = at + 1; i < jet.size(); ++i) {
        if (jet[i] == u'\'') {
            if (i + 1 < jet.size() && jet[i + 1] == u'\'') {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return std::u16string_view::npos;
}

// Where the quoted name that opens at `at` ends; npos where it never closes or holds a NUL.
std::size_t name_end(std::u16string_view jet, std::size_t at) {
    const std::size_t close = jet.find(jet[at] == u'[' ? u']' : jet[at], at + 1);
    if (close == std::u16string_view::npos ||
        jet.substr(at, close - at).find(u'\0') != std::u16string_view::npos) {
        return std::u16string_view::npos;
    }
    return close + 1;
}

}  // namespace

std::optional<vb::String> to_sqlite(std::u16string_view jet, std::string& error) {
    vb::String out;
    out.reserve(jet.size() + 8);
    std::size_t i = past_delete_star(jet, skip_blanks(jet, 0), out);
    while (i < jet.size()) {
        const char16_t c = jet[i];
        if (c == u';') {
            // Only blanks may follow the end of the statement.
            if (skip_blanks(jet, i + 1) != jet.size()) {
                error = "Characters found after end of SQL statement.";
                return std::nullopt;
            }
            break;
        }
        if (c == u'\'') {
            const std::size_t end = literal_end(jet, i);
            // The literal goes on with its quotes still doubled, as SQLite reads them too.
            if (end == std::u16string_view::npos ||
                !append_literal(out, jet.substr(i + 1, end - i - 2))) {
                error = "Syntax error in string in query expression.";
                return std::nullopt;
            }
            i = end;
            continue;
        }
        // A quoted name: SQLite reads a quote or a ";" inside it as part of the name.
        const std::size_t end = c == u'"' || c == u'[' || c == u'`' ? name_end(jet, i) : i + 1;
        if (c == u'\0' || end == std::u16string_view::npos) {
            error = "Syntax error in query expression.";
            return std::nullopt;
        }
        out += jet.substr(i, end - i);
        i = end;
        // Jet has no comments: "--" is two minus signs, and "/*" no comment for SQLite either.
        if ((c == u'-' || c == u'/') && i < jet.size() && jet[i] == (c == u'-' ? u'-' : u'*')) {
            out += u' ';
        }
    }
    // SQLite takes a lone surrogate together with the character after it, which may be the
    // quote that ends a literal; it becomes U+FFFD, as on any other way to UTF-8.
    return vb::well_formed(std::move(out));
}

}  // namespace ado
