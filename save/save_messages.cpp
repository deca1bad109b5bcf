#include "save/save_messages.h"

#include "settings/ansi_text.h"

namespace qm {

namespace {

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring Quoted(const std::string& ansi) { return Quoted(WidenAnsi(ansi)); }

}  // namespace

MessageRequest FolderMissingMessage() {
  return {L"Speicherort nicht vorhanden!",
          L"Es konnte nichts gespeichert werden, da der für diese Aktion eingestellte \r\n"
          L"Speicherort nicht existiert.\r\n\r\n"
          L"Überprüfen Sie den Speicherort dieser Aktion in deren Einstellungen.",
          MessageIcon::Exclamation};
}

MessageRequest FolderPossiblyCutMessage(const std::string& actionName, const std::string& folder) {
  return {L"Speicherort zu lang!",
          L"Es wurde nichts gespeichert: Der Speicherort der Aktion \"" + WidenAnsi(actionName) +
              L"\" ist so lang, wie die Einstellungsdatei ihn höchstens lesen kann,\r\n" +
              L"und ist daher vermutlich abgeschnitten:\r\n" + WidenAnsi(folder) +
              L"\r\n\r\nWählen Sie in den Einstellungen dieser Aktion einen kürzeren Speicherort.",
          MessageIcon::Exclamation};
}

MessageRequest ClipboardEmptyMessage() {
  return {L"Zwischenablage leer",
          L"Sie hatten nichts in der Zwischenablage, daher wird auch nichts gespeichert!",
          MessageIcon::Information, MessageButtons::Ok, true};
}

MessageRequest ClipboardHeldMessage() {
  return {L"Zwischenablage belegt",
          L"Ein anderes Programm hält die Zwischenablage fest oder liefert ihren Inhalt "
          L"nicht, daher wird nichts gespeichert.\r\n\r\n"
          L"Versuchen Sie es noch einmal, sobald das andere Programm wieder reagiert.",
          MessageIcon::Exclamation, MessageButtons::Ok, true};
}

MessageRequest NoStandardActionMessage() {
  return {L"Keine Standardaktion",
          L"\"Zwischenablage hier speichern\" speichert nach den Einstellungen der "
          L"Standardaktion, und keine Aktion ist als Standard eingestellt. Daher wird nichts "
          L"gespeichert.\r\n\r\nMachen Sie im Traymenü unter \"Als Standard\" eine Aktion zum "
          L"Standard.",
          MessageIcon::Exclamation, MessageButtons::Ok, true};
}

MessageRequest NameTakenMessage(const std::wstring& wantedFile, const std::wstring& numberedFile) {
  return {L"Datei existiert schon",
          L"Eine Datei mit dem gleichen Namen " + Quoted(wantedFile) +
              L" existiert schon. Der Text wird als " + Quoted(numberedFile) + L" gespeichert.",
          MessageIcon::Information};
}

MessageRequest FolderTakenMessage(int words, const std::string& dateiname) {
  return {kAppTitle,
          L"Ein Verzeichnis mit dem selben Namen existiert schon.\r\n"
          L"Ihr Text in der Zwischenablage hat dieselben " +
              std::to_wstring(words) + L" Anfangsworte wird daher als " + WidenAnsi(dateiname) +
              L"1 im gleichen Verzeichnis gespeichert.",
          MessageIcon::Information};
}

MessageRequest FolderFailedMessage(const std::wstring& folder, const std::wstring& reason) {
  return {L"Speichern fehlgeschlagen",
          L"Der Ordner " + Quoted(folder) + L" konnte nicht angelegt werden. " +
              L"Es wurde nichts gespeichert.\r\n\r\n" + reason,
          MessageIcon::Critical};
}

MessageRequest WriteFailedMessage(const std::wstring& file, const std::wstring& reason) {
  return {L"Speichern fehlgeschlagen",
          L"Der Text konnte nicht in die Datei " + Quoted(file) +
              L" gespeichert werden. Der bisherige Inhalt der Datei ist unverändert.\r\n\r\n" +
              reason,
          MessageIcon::Critical};
}

MessageRequest ReadFailedMessage(const std::wstring& file, const std::wstring& reason) {
  return {L"Speichern fehlgeschlagen",
          L"Die Datei " + Quoted(file) +
              L" konnte nicht gelesen werden, daher wurde der Text nicht angefügt. "
              L"Der bisherige Inhalt der Datei ist unverändert.\r\n\r\n" +
              reason,
          MessageIcon::Critical};
}

MessageRequest EncodingUnknownMessage(const std::wstring& file) {
  return {L"Datei nicht erweitert",
          L"Die Kodierung der Datei " + Quoted(file) +
              L" konnte nicht erkannt werden, daher wurde der Text nicht angefügt. "
              L"Der bisherige Inhalt der Datei ist unverändert.",
          MessageIcon::Exclamation};
}

MessageRequest SaveBrokenOffMessage(const std::string& what) {
  return {L"Speichern fehlgeschlagen",
          L"Beim Speichern ist ein unerwarteter Fehler aufgetreten, das Speichern wurde "
          L"abgebrochen. Bitte prüfen Sie, ob die Zwischenablage gespeichert wurde." +
              (what.empty() ? std::wstring() : L"\r\n\r\n" + WidenAnsi(what)),
          MessageIcon::Critical};
}

MessageRequest NoImageFileMessage() {
  return {L"Keine Bilddatei",
          L"Die Zwischenablage enthält keine passende Bilddatei.\r\n"
          L"Es wird daher nichts gespeichert.",
          MessageIcon::Information};
}

MessageRequest ImageCopyFailedMessage(const std::wstring& source, const std::wstring& target,
                                      const std::wstring& reason) {
  return {L"Speichern fehlgeschlagen",
          L"Die Bilddatei " + Quoted(source) + L" konnte nicht als " + Quoted(target) +
              L" gespeichert werden.\r\n\r\n" + reason,
          MessageIcon::Critical};
}

MessageRequest PictureFailedMessage(const std::wstring& target, const std::wstring& reason) {
  return {L"Speichern fehlgeschlagen",
          L"Das Bild aus der Zwischenablage konnte nicht als " + Quoted(target) +
              L" gespeichert werden.\r\n\r\n" + reason,
          MessageIcon::Critical};
}

MessageRequest NoFileToOpenMessage() {
  return {L"Hinweis", L"Kein Zugriff möglich, da eine entsprechende Datei noch nicht existiert.",
          MessageIcon::Information};
}

MessageRequest NoFolderToOpenMessage(const std::string& folder) {
  return {L"Hinweis",
          L"Kein Zugriff möglich, da der Speicherort " + Quoted(folder) + L" nicht existiert.",
          MessageIcon::Information};
}

MessageRequest OpenFailedMessage(const std::string& path, const std::wstring& reason) {
  return {L"Zugriff fehlgeschlagen",
          Quoted(path) + L" konnte nicht geöffnet werden.\r\n\r\n" + reason,
          MessageIcon::Exclamation};
}

}  // namespace qm
