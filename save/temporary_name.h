#pragma once

#include <string>
#include <string_view>

namespace qm {

// The temporary file in which a new version of the document at `documentPath` is
// written before it takes the document's place: "~qm" + four hexadecimal digits drawn
// from the document's name + ".tmp", in the document's folder. The same document
// always gets the same name (Windows compares names without regard to case), so a file
// left behind by a save that was killed is found and removed by the next save of that
// document, and there is never more than one. The name is as short as the one
// GetTempFileName made, so it fits wherever the document does.
std::wstring TemporaryPathFor(std::wstring_view documentPath);

}  // namespace qm
