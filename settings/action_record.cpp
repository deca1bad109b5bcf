#include "settings/action_record.h"

namespace qm {

static_assert(kLongestName + kStandardMark.size() <= kLongestSettingValue);

namespace {

constexpr std::string_view kMarkWord = kStandardMark.substr(1);

// A damaged method value (no digit at the end, or the missing-entry text) still
// names whole words: one word is the smallest count that yields a usable name.
int WordCount(std::string_view aktion) {
  const char last = aktion.empty() ? '\0' : aktion.back();
  return last >= '1' && last <= '9' ? last - '0' : 1;
}

}  // namespace

ActionRecord ReadActionRecord(const SettingsStore& settings, int number) {
  const std::string section = ActionSection(number);
  return {settings.Read(section, "Name"),         settings.Read(section, "Dateiname"),
          settings.Read(section, "Speicherpfad"), settings.Read(section, "Aktion"),
          settings.Read(section, "Format"),       settings.Read(section, "Url"),
          settings.Read(section, "Datum")};
}

MethodChoice ParseMethod(std::string_view aktion) {
  if (aktion == "bilder") return {SaveMethod::Bilder, 0};
  if (aktion == "extradatei") return {SaveMethod::Numbered, 0};
  if (aktion == "gleichedatei") return {SaveMethod::SameFile, 0};
  if (aktion.size() == 15) return {SaveMethod::WordFolder, WordCount(aktion)};
  return {SaveMethod::WordFile, WordCount(aktion)};
}

DocumentFormat FormatOf(std::string_view format) {
  if (format == "HTML") return DocumentFormat::Html;
  if (format == "Markdown") return DocumentFormat::Markdown;
  return DocumentFormat::Text;
}

std::string_view FormatValue(DocumentFormat format) {
  switch (format) {
    case DocumentFormat::Html:
      return "HTML";
    case DocumentFormat::Markdown:
      return "Markdown";
    default:
      return "Text";
  }
}

std::string_view DocumentExtension(std::string_view format) {
  switch (FormatOf(format)) {
    case DocumentFormat::Html:
      return ".html";
    case DocumentFormat::Markdown:
      return ".md";
    default:
      return ".txt";
  }
}

bool IsStandardMarked(std::string_view name) {
  return name.size() >= kMarkWord.size() &&
         name.substr(name.size() - kMarkWord.size()) == kMarkWord;
}

std::string PlainName(std::string_view name) {
  const size_t cut = kStandardMark.size();
  return std::string(name.substr(0, name.size() > cut ? name.size() - cut : 0));
}

std::string NameKey(std::string_view name) {
  const std::string readBack = ReadBack(name);
  return IsStandardMarked(readBack) ? PlainName(readBack) : readBack;
}

}  // namespace qm
