#pragma once

#include "save/save_ports.h"
#include "settings/action_cache.h"
#include "settings/current_options.h"
#include "settings/settings_store.h"
#include "ui/message_box.h"

namespace qm {

// Everything one save reads and acts on. The product passes the real adapters; tests
// pass real folders with recording message boxes and notices.
struct SaveContext {
  const ActionCache& actions;
  const CurrentOptions& options;
  const SettingsStore& settings;
  SaveFiles& files;
  SaveSources& sources;
  MessageBoxes& messages;
  SaveSignals& signals;
};

// Runs save action `number` (1 to 20) on what the clipboard holds now: checks the
// target folder and the clipboard, names the target by the action's method, appends
// the entry and reports the save. Any other number saves nothing.
void Speichern(int number, SaveContext& context);

// "Zwischenablage hier speichern": saves into `folder` by the Standard action's method,
// format, date and address settings and with its file name; a clipboard without text
// (a picture, an image file) is saved by the image method's rules.
void SpeichernHier(const std::string& folder, SaveContext& context);

// True when the clipboard could be read. A clipboard that another program holds is
// reported; a read given up because the program ends says nothing.
bool ClipboardWasRead(ClipboardAccess access, SaveContext& context);

}  // namespace qm
