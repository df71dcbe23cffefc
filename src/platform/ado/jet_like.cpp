#include "platform/ado/jet_like.h"

namespace ado {

namespace {

constexpr vb::Wildcards kLikeWildcards{.any_run = u'%', .any_one = u'_', .sets = true};

}  // namespace

std::optional<LikePattern> LikePattern::compile(std::u16string_view pattern) {
    auto wildcards = vb::WildcardPattern::compile(pattern, kLikeWildcards);
    if (!wildcards) {
        return std::nullopt;
    }
    LikePattern compiled(std::move(*wildcards));
    if (const auto literal = compiled.pattern_.only_match()) {
        compiled.only_match_ = vb::to_utf8(*literal);
    }
    return compiled;
}

LikeResult jet_like(std::u16string_view text, std::u16string_view pattern) {
    const auto compiled = LikePattern::compile(pattern);
    if (!compiled) {
        return LikeResult::kInvalidPattern;
    }
    return compiled->matches(text) ? LikeResult::kMatch : LikeResult::kNoMatch;
}

}  // namespace ado
