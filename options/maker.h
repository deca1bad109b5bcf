#pragma once

#include <string>
#include <string_view>

namespace qm {

// The maker's contact data, shown and used by the about window. One place, so that
// real addresses replace these when they exist.
inline constexpr std::string_view kMakerMailShown = "kontakt@example.org";
inline constexpr std::string_view kMakerMailAddress = "kontakt@example.org";
inline constexpr std::string_view kMakerWebAddress = "https://www.example.org/quillmar/";
inline constexpr std::string_view kMailSubject = "Quillmar 2.0";

// SendMail's address: "mailto:", the address and a query of the given parts that are
// not empty (Subject, Body, CC, BCC in this order), each appended unescaped.
struct MailParts {
  std::string subject;
  std::string body;
  std::string copy;
  std::string blindCopy;
};
std::string MailtoAddress(std::string_view address, const MailParts& parts);

}  // namespace qm
