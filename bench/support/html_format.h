#pragma once

#include <string>

namespace qm::bench {

// A passage as a browser puts it into "HTML Format": the header, whose offsets count the
// bytes of the block, then the page's HTML before the fragment, the fragment and after
// it. The benches and the tests build their browser copies with it.
inline std::string HtmlFormatBlock(const std::string& before, const std::string& fragment,
                                   const std::string& after, const std::string& sourceUrl) {
  const auto number = [](size_t n) {
    const std::string digits = std::to_string(n);
    return std::string(10 - digits.size(), '0') + digits;
  };
  const auto header = [&](size_t size) {
    const size_t start = size + before.size();
    return "Version:0.9\r\nStartHTML:" + number(size) +
           "\r\nEndHTML:" + number(start + fragment.size() + after.size()) +
           "\r\nStartFragment:" + number(start) +
           "\r\nEndFragment:" + number(start + fragment.size()) + "\r\nSourceURL:" + sourceUrl +
           "\r\n";
  };
  return header(header(0).size()) + before + fragment + after;
}

}  // namespace qm::bench
