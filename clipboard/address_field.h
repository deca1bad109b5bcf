#pragma once

#include <string_view>

namespace qm {

// Whether the text of a browser's edit field is a page address: it starts with
// "http://", "https://" or "ftp://", in exactly that case.
bool IsPageAddress(std::string_view text);

// What the search for the address field does with a window of a given class.
enum class FieldVisit {
  ReadOnly,          // an "Edit": its text or nothing; edit fields have no address below them
  ReadThenChildren,  // a "MozillaWindowClass": its text, else the windows inside it
  ChildrenOnly,      // any other window: only the windows inside it
};

FieldVisit FieldVisitOfClass(std::string_view className);

}  // namespace qm
