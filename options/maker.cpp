#include "options/maker.h"

namespace qm {

std::string MailtoAddress(std::string_view address, const MailParts& parts) {
  std::string query;
  const auto add = [&query](std::string_view name, const std::string& value) {
    if (!value.empty()) query += "&" + std::string(name) + "=" + value;
  };
  add("Subject", parts.subject);
  add("Body", parts.body);
  add("CC", parts.copy);
  add("BCC", parts.blindCopy);
  if (!query.empty()) query.front() = '?';
  return "mailto:" + std::string(address) + query;
}

}  // namespace qm
