#pragma once

#include <string>

#include "bench/support/prose_text.h"

namespace qm::bench {

// Prose of about `size` bytes in which `links` addresses are spread evenly, each as a
// word of its own, some followed by punctuation that goes back to the text, and a few
// markup characters the writer escapes: what a copied web page or mail looks like.
inline std::string TextWithLinks(size_t size, size_t links) {
  const size_t stretch = links ? size / links : size;
  const std::string prose = "& <i> " + ProseOfSize(stretch);
  std::string text;
  text.reserve(size + 64);
  for (size_t i = 0; i < links; ++i) {
    text.append(prose, 0, stretch > 48 ? stretch - 48 : 0);
    text.append(" http://example.org/seite/").append(std::to_string(i)).append(i % 2 ? ", " : " ");
  }
  if (text.size() < size) text.append(ProseOfSize(size - text.size()));
  return text;
}

}  // namespace qm::bench
