#pragma once

namespace qm {

// How a read of the clipboard went: read; held by another program (open elsewhere, or
// an owner that did not hand over what it promised in time), so nothing could be
// read; or given up because the program is ending.
enum class ClipboardAccess { Read, Held, GivenUp };

}  // namespace qm
