#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/message_box.h"

namespace qm {

// "Zwischenablage hier speichern" in Explorer's context menu of a folder and of a
// folder's background: a verb of the user's own file classes that starts the program
// of one program folder with "/hier" and the folder Explorer shows. Every copy of the
// program writes the verb under the same name, so the last one ticked owns it.
inline constexpr const wchar_t* kExplorerVerbCaption = L"Zwischenablage hier speichern";

// `"<folder>\Quillmar2.0.exe" /hier "%V"`: Explorer puts the folder's path for %V.
std::wstring ExplorerVerbCommand(std::wstring_view programFolder);
// The program's own icon, the first in its file.
std::wstring ExplorerVerbIcon(std::wstring_view programFolder);

// True when `command` starts the Quillmar2.0.exe of `programFolder`, its path quoted
// or not. Windows compares paths without regard to case; here only ASCII letters are
// folded, so a folder written in other letters of another case counts as another one,
// which leaves a verb alone rather than removing another copy's.
bool CommandStartsProgramOf(std::wstring_view command, std::wstring_view programFolder);

// The commands the verb holds in each of its places (none where it is missing). The
// entry is this folder's only when every place starts its program: a verb of another
// copy, or one a place lacks, shows as not there, and ticking the box makes it whole.
bool ExplorerVerbIsOurs(std::span<const std::optional<std::wstring>> commands,
                        std::wstring_view programFolder);

// The registry refused a change of the verb; `reason` is the system's text.
MessageRequest ExplorerVerbFailedMessage(bool adding, const std::wstring& reason);

}  // namespace qm
