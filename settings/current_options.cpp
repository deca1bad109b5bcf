#include "settings/current_options.h"

#include "settings/excluded_programs.h"
#include "settings/number_text.h"

namespace qm {

namespace {

constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kBlack = 0x00000000;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kPurple = 0x00800080;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kPaleYellow = 0x00E1FFFF;

}  // namespace

Colour ColourFromText(const std::string& text, Colour fallback) {
  const auto value = ParseWholeNumber(text);
  if (!value || *value < 0 || *value > 0x00FFFFFF) return fallback;
  return static_cast<Colour>(*value);
}

CurrentOptions LoadCurrentOptions(const SettingsStore& settings) {
  const auto read = [&](std::string_view key) { return settings.Read("Optionen", key); };
  const auto colour = [&](std::string_view key, Colour fallback) {
    return ColourFromText(read(key), fallback);
  };
  CurrentOptions o;
  o.txtZeichen = read("Trennzeichen");
  o.txtWiederholung = read("Wiederholung");
  o.frameHintergrundfarbe = colour("Hintergrund", kWhite);
  o.txtHintergrundfarbe = read("HexHintergrund");
  o.frameTextfarbe = colour("Textfarbe", kBlack);
  o.txtTextfarbe = read("HexTextfarbe");
  o.frameLinks = colour("Links", kBlue);
  o.txtLinks = read("HexLinks");
  o.frameVlink = colour("Vlink", kPurple);
  o.txtVlink = read("HexVlink");
  o.frameAlink = colour("Alink", kRed);
  o.txtAlink = read("HexAlink");
  o.txtSpeicherzeit = read("Speicherzeit");
  o.frameSpeichertext = colour("Speicherfarbe", kPaleYellow);
  o.frameSpeichertextfarbe = colour("Speichertextfarbe", kBlack);
  o.txtX = read("SpeicherpositionX");
  o.txtY = read("SpeicherpositionY");
  o.optDirekt = read("Zugriff") == "Direkt";
  o.chkBeep = read("Beep") == "ja";
  o.chkSpeicherhinweis = read("SpeicherhinweisASichern") == "nein";
  o.chkMessagesUnterdruecken = read("NachrichtenASichern") == "nein";
  o.chkAutostart = read("Autostart") == "ja";
  o.txtAusnahmen = ReadExcludedPrograms(settings);
  return o;
}

bool WarningShown(bool automaticSaving, const CurrentOptions& options) {
  return !(automaticSaving && options.chkMessagesUnterdruecken);
}

}  // namespace qm
