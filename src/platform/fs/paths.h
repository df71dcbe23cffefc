// Between the platform's paths ("c:\home\ann") and native ones, byte for byte.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/vb/text.h"

namespace fs {

// The native path of `path`: the drive's root, then each backslash-separated part.
// A drive that is not in drives() raises "Device unavailable" (68).
std::filesystem::path native_path(std::u16string_view path);

// A native entry name as text. Bytes that are not valid UTF-8 become the lone surrogates
// U+DC80..U+DCFF, which native_path turns back into the same bytes.
vb::String name_from_native(std::string_view bytes);
// The native bytes of one name: the inverse of name_from_native.
std::string name_to_native(std::u16string_view name);

}  // namespace fs
