// File attributes as the runtime numbers them, and reading them by path.
#pragma once

#include "platform/vb/text.h"

namespace fs {

inline constexpr int vbNormal = 0;
inline constexpr int vbReadOnly = 1;
inline constexpr int vbHidden = 2;
inline constexpr int vbSystem = 4;
inline constexpr int vbDirectory = 16;

// The attributes of the file or folder at `path` (the platform's form, "c:\home\ann").
// Symbolic links are followed. A missing entry raises "File not found" (53), a missing
// folder on the way "Path not found" (76), a drive that is gone "Device unavailable" (68).
int GetAttr(const vb::String& path);

}  // namespace fs
