#include "resident/save_here_win.h"

#include "clipboard/clipboard_reader_win.h"
#include "options/save_notice_win.h"
#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "ui/message_box_win.h"
#include "ui/settings_input.h"

namespace qm {

void SaveHereAlone(HINSTANCE instance, const std::wstring& folder) {
  ProfileSettings settings;
  WinMessageBoxes messages(nullptr);
  // Read from a file another program holds, there would be no Standard action to save by.
  ActionCache actions;
  if (!actions.Refresh(settings)) {
    messages.Show(SettingsUnreadMessage(*settings.ReadsFoundHeld().last));
    return;
  }
  CurrentOptions options = LoadCurrentOptions(settings);
  WinSaveFiles files;
  ClipboardReader reader;
  WinSaveSources sources(reader, [] { return false; });
  bool noticeOpen = true;
  SaveNoticeWindow notice(instance, options, settings, [&] { noticeOpen = false; });
  SaveContext context{actions, options, settings, files, sources, messages, notice};
  SpeichernHier(AnsiPath(folder), context);
  MSG message;
  while (notice.Handle() && noticeOpen && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace qm
