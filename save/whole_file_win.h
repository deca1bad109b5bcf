#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qm {

// Writes all of `bytes` at the file's current position, in as many calls as it takes.
bool WriteAll(HANDLE file, std::string_view bytes);

// The whole file into `bytes`; other programs may keep it open for reading and writing.
std::optional<std::wstring> ReadWholeFile(const std::wstring& path, std::string& bytes);

// Writes `pieces`, one after the other, to the document's own hidden temporary file
// (TemporaryPathFor), flushes it to the disk and moves it over `path` in one step. What
// an earlier, killed save of the document left there is removed first; on any failure
// the temporary file is removed and `path` is left as it was.
std::optional<std::wstring> ReplaceWholeFile(const std::wstring& path,
                                             std::span<const std::string_view> pieces);

// Writes `bytes` as the new file `path`. A file of that name is never replaced: the
// write fails instead. On any failure no file of ours is left.
std::optional<std::wstring> WriteNewFile(const std::wstring& path, std::string_view bytes);

}  // namespace qm
