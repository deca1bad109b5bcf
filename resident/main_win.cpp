// Quillmar 2.0's entry. Until the resident program with its tray icon takes over this
// entry, a start saves the clipboard once with the Standard action and ends.
#include <windows.h>

#include "resident/message_box_win.h"
#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/settings_file_win.h"

namespace {

class BeepOnlySignals : public qm::SaveSignals {
 public:
  void Beep() override { MessageBeep(MB_OK); }
  void ShowNotice(const qm::NoticeRequest&) override {}
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  qm::ProfileSettings settings;
  qm::ActionCache actions;
  actions.Refresh(settings);
  const qm::CurrentOptions options = qm::LoadCurrentOptions(settings);
  qm::WinSaveFiles files;
  qm::WinSaveSources sources(nullptr, [] { return false; });
  qm::WinMessageBoxes messages(nullptr);
  BeepOnlySignals signals;
  qm::SaveContext context{actions, options, settings, files, sources, messages, signals};
  qm::Speichern(actions.StandardAction(), context);
  return 0;
}
