#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace qm {

// Colours are 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

// The program-wide options of section "Optionen", filled once at start-up and then
// changed only by the options page and the notice's position mode. Each field has
// the name of the control that shows it; text fields hold the key's text unchecked.
struct CurrentOptions {
  std::string txtZeichen;
  std::string txtWiederholung;
  Colour frameHintergrundfarbe = 0;
  std::string txtHintergrundfarbe;
  Colour frameTextfarbe = 0;
  std::string txtTextfarbe;
  Colour frameLinks = 0;
  std::string txtLinks;
  Colour frameVlink = 0;
  std::string txtVlink;
  Colour frameAlink = 0;
  std::string txtAlink;
  std::string txtSpeicherzeit;
  Colour frameSpeichertext = 0;
  Colour frameSpeichertextfarbe = 0;
  std::string txtX;
  std::string txtY;
  bool optDirekt = false;  // false: optVerzeichnis
  bool chkBeep = false;
  bool chkSpeicherhinweis = false;        // no notices during automatic saving
  bool chkMessagesUnterdruecken = false;  // no warnings during automatic saving
  bool chkAutostart = false;
  std::vector<std::string> txtAusnahmen;  // programs automatic saving leaves alone
};

CurrentOptions LoadCurrentOptions(const SettingsStore& settings);

// A colour key's decimal text, or `fallback` when it holds no colour (missing key,
// damaged text): a broken settings file must not turn a colour into garbage.
Colour ColourFromText(const std::string& text, Colour fallback);

// The warning rule: the save engine's warnings about unsuitable clipboard contents
// are shown unless automatic saving is on and the user asked to suppress them.
bool WarningShown(bool automaticSaving, const CurrentOptions& options);

}  // namespace qm
