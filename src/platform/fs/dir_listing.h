// A folder listing that hands out one entry name per call, as the runtime's Dir does,
// held by its caller instead of by the runtime.
#pragma once

#include <memory>

#include "platform/vb/text.h"

namespace fs {

class DirListing final {
public:
    DirListing();
    ~DirListing();
    DirListing(const DirListing&) = delete;
    DirListing& operator=(const DirListing&) = delete;

    // Starts a listing of `pattern` ("c:\home\ann\" or "c:\home\ann\*"; the part after
    // the last backslash may hold * and ?; an empty part matches every name) and returns
    // its first name, or the empty text when nothing matches. With vbDirectory in
    // `attributes` the listing holds folders and plain files, "." and ".." included;
    // without it, plain files only. Hidden and system entries are never listed, nor are
    // names holding a backslash, which no path of the platform's form could name.
    vb::String Dir(const vb::String& pattern, int attributes);
    // The next name of the listing, or the empty text once it is done.
    vb::String Dir();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fs
