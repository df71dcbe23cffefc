// The folder that attribute reads keep open between calls, let go when a listing starts.
#pragma once

namespace fs {

void forget_last_folder();

}  // namespace fs
