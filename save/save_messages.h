#pragma once

#include <string>

#include "ui/message_box.h"

namespace qm {

// The save engine's message boxes. Targets are wide paths; what comes from the
// settings file is ANSI data.
MessageRequest FolderMissingMessage();
MessageRequest FolderPossiblyCutMessage(const std::string& actionName, const std::string& folder);
MessageRequest ClipboardEmptyMessage();
// Another program holds the clipboard, or its owner does not hand over what it promised.
MessageRequest ClipboardHeldMessage();
// "Zwischenablage hier speichern" follows the Standard action, and there is none.
MessageRequest NoStandardActionMessage();
MessageRequest NameTakenMessage(const std::wstring& wantedFile, const std::wstring& numberedFile);
MessageRequest FolderTakenMessage(int words, const std::string& dateiname);
MessageRequest FolderFailedMessage(const std::wstring& folder, const std::wstring& reason);
MessageRequest WriteFailedMessage(const std::wstring& file, const std::wstring& reason);
MessageRequest ReadFailedMessage(const std::wstring& file, const std::wstring& reason);
MessageRequest EncodingUnknownMessage(const std::wstring& file);
MessageRequest NoImageFileMessage();
MessageRequest ImageCopyFailedMessage(const std::wstring& source, const std::wstring& target,
                                      const std::wstring& reason);
MessageRequest PictureFailedMessage(const std::wstring& target, const std::wstring& reason);
// A save that ended in an unexpected failure (no memory, say); `what` is the failure's
// own text, possibly empty.
MessageRequest SaveBrokenOffMessage(const std::string& what);
// The access to saved targets ("&Zugriff auf"); its paths are ANSI data.
MessageRequest NoFileToOpenMessage();
MessageRequest NoFolderToOpenMessage(const std::string& folder);
MessageRequest OpenFailedMessage(const std::string& path, const std::wstring& reason);

}  // namespace qm
