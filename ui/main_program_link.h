#pragma once

// What the importer needs to find the main program and ask it to end: the class of
// its resident window and the registered message that runs "&Beenden".
namespace qm {

inline constexpr wchar_t kResidentWindowClass[] = L"QuillmarResidentWindow";
inline constexpr wchar_t kQuitRequestMessage[] = L"Quillmar2.0.Beenden";
inline constexpr char kMainProgramFile[] = "Quillmar2.0.exe";

}  // namespace qm
