#include "tests/native/support/save_fakes.h"

#include <algorithm>

#include "settings/file_helpers.h"

namespace qm::test {

namespace {

std::string Canonical(const std::string& path) {
  std::string canonical = CompleteDriveRoot(path);
  while (canonical.size() > 3 && canonical.back() == '\\') canonical.pop_back();
  return canonical;
}

std::string Parent(const std::string& path) {
  const std::string canonical = Canonical(path);
  const size_t slash = canonical.rfind('\\');
  return slash == std::string::npos ? std::string() : Canonical(canonical.substr(0, slash));
}

const std::wstring kPathNotFound = L"Der Pfad wurde nicht gefunden.";
const std::wstring kAlreadyExists = L"Eine Datei mit diesem Namen existiert bereits.";
const std::wstring kAccessDenied = L"Zugriff verweigert.";
const std::wstring kFileNotFound = L"Die Datei wurde nicht gefunden.";
const std::wstring kFileExists = L"Die Datei ist bereits vorhanden.";

}  // namespace

bool FakeFiles::FolderExists(const std::string& path) {
  const std::string canonical = Canonical(path);
  return folders.contains(canonical) || files.contains(canonical);
}

// A folder reads as an empty file, as the file-attribute query reports it.
int FakeFiles::FileState(const std::string& path) {
  const auto file = files.find(path);
  if (file != files.end()) return file->second.empty() ? 0 : 1;
  return folders.contains(Canonical(path)) ? 0 : -1;
}

std::optional<std::wstring> FakeFiles::CreateFolder(const std::string& path,
                                                    const std::string& templateFolder) {
  if (createFailure) return createFailure;
  const std::string canonical = Canonical(path);
  if (FolderExists(canonical)) return kAlreadyExists;
  if (!folders.contains(Parent(canonical))) return kPathNotFound;
  folders.insert(canonical);
  templates[canonical] = templateFolder;
  return std::nullopt;
}

std::optional<std::wstring> FakeFiles::AppendEntry(const std::string& path,
                                                   const TextEntry& entry) {
  if (writeFailure) return writeFailure;
  if (!folders.contains(Parent(path))) return kPathNotFound;
  if (folders.contains(Canonical(path))) return kAccessDenied;
  files[path].append(entry.head).append(entry.body).append(entry.tail);
  return std::nullopt;
}

std::optional<std::wstring> FakeFiles::CopyFileTo(const std::string& source,
                                                  const std::string& target) {
  if (copyFailure) return copyFailure;
  const auto found = files.find(source);
  if (found == files.end()) return kFileNotFound;
  if (!folders.contains(Parent(target))) return kPathNotFound;
  if (FolderExists(target)) return kFileExists;
  files[target] = found->second;
  return std::nullopt;
}

std::optional<std::wstring> FakeFiles::ReadWholeFile(const std::string& path, std::string& bytes) {
  if (readFailure) return readFailure;
  const auto found = files.find(path);
  if (found == files.end()) return kFileNotFound;
  bytes = found->second;
  return std::nullopt;
}

std::optional<std::wstring> FakeFiles::ReplaceWholeFile(const std::string& path,
                                                        std::string_view bytes) {
  if (replaceFailure) return replaceFailure;
  if (!folders.contains(Parent(path))) return kPathNotFound;
  if (folders.contains(Canonical(path))) return kAccessDenied;
  files[path] = std::string(bytes);
  return std::nullopt;
}

CopiedText FakeSources::ClipboardText() {
  const size_t read = static_cast<size_t>(clipboardReads++);
  if (clipboard.empty()) return {};
  return {clipboard[std::min(read, clipboard.size() - 1)], {}};
}

}  // namespace qm::test
