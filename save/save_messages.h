#pragma once

#include <string>

#include "ui/message_box.h"

namespace qm {

// The save engine's message boxes; names and paths are ANSI data.
MessageRequest FolderMissingMessage();
MessageRequest FolderPossiblyCutMessage(const std::string& actionName, const std::string& folder);
MessageRequest ClipboardEmptyMessage();
MessageRequest NameTakenMessage(const std::string& wantedFile, const std::string& numberedFile);
MessageRequest FolderTakenMessage(int words, const std::string& dateiname);
MessageRequest FolderFailedMessage(const std::string& folder, const std::wstring& reason);
MessageRequest WriteFailedMessage(const std::string& file, const std::wstring& reason);
MessageRequest ReadFailedMessage(const std::string& file, const std::wstring& reason);
MessageRequest NoImageFileMessage();
MessageRequest ImageCopyFailedMessage(const std::string& source, const std::string& target,
                                      const std::wstring& reason);
// The access to saved targets ("&Zugriff auf").
MessageRequest NoFileToOpenMessage();
MessageRequest NoFolderToOpenMessage(const std::string& folder);
MessageRequest OpenFailedMessage(const std::string& path, const std::wstring& reason);

}  // namespace qm
