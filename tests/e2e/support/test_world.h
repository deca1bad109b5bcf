#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/support/program_folder.h"

namespace qm::e2e {

// The actions every scenario works with. All save with "gleichedatei" into a file of
// the save folder, without date or address, so every byte a save writes is known.
struct TestAction {
  int number;
  const char* name;
  const char* file;
};

inline constexpr TestAction kNotizen{1, "Notizen", "Eins.txt"};  // the Standard action
inline constexpr TestAction kZweitens{2, "Zweitens", "Zwei.txt"};
inline constexpr TestAction kDrittens{3, "Drittens", "Drei.txt"};  // disabled
inline constexpr TestAction kViertens{4, "Viertens", "Vier.txt"};  // no hotkey

// The hotkeys of the prepared settings, as the keys a user presses (all with Ctrl+Alt).
inline constexpr WORD kNotizenKey = 'N';
inline constexpr WORD kZweitensKey = 'O';
inline constexpr WORD kStandardKey = 'S';
inline constexpr WORD kAutomaticKey = 'A';

// Where the prepared settings place the save notice, in twips, and how long it stays
// (about twice this interval).
inline constexpr int kNoticeLeftTwips = 3000;
inline constexpr int kNoticeTopTwips = 1500;
inline constexpr int kNoticeIntervalMs = 2000;

// Prepares a copied program folder: no first start, the four actions above, the
// hotkeys, the notice's place and interval, and a short separator line.
void PrepareSettings(const ProgramFolder& folder);

// Switches automatic saving on in the settings, as the program finds it at start.
void EnableAutomaticSaving(const ProgramFolder& folder);

// The bytes that one save of `text` appends to an action's file.
std::string SavedEntry(const std::string& text);

}  // namespace qm::e2e
