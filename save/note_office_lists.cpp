#include "save/note_converter.h"
#include "save/office_lists.h"

namespace qm::note {

// A list paragraph of Word or Outlook: its item opens once its hidden marker is read,
// with the first content shown.
bool Converter::BeginOfficeParagraph() {
  if (token_.name != "p" || InCell()) return false;
  const int level = OfficeListLevel(token_.Attribute("style"));
  if (level == 0) return false;
  EndBlock();
  officeLevelDue_ = level;
  officeMarker_.clear();
  return true;
}

// The item at its level, in a list of its kind: deeper lists and the item before at
// that level end first. A level deeper by more than one nests one deeper only.
void Converter::OpenOfficeItem() {
  const OfficeListMarker marker = OfficeListMarkerOf(officeMarker_);
  const size_t level = std::min(static_cast<size_t>(officeLevelDue_), officeItems_.size() + 1);
  officeLevelDue_ = 0;
  while (officeItems_.size() > level) CloseOfficeLevel();
  if (officeItems_.size() == level && lists_.back().ordered != marker.ordered) {
    CloseOfficeLevel();
  }
  if (officeItems_.size() == level && officeItems_.back()) {
    EndBlock();
    lines_.CloseContainer();
    officeItems_.back() = false;
  }
  if (officeItems_.size() < level) {
    OpenList(marker.ordered, marker.start);
    officeItems_.push_back(false);
  }
  if (!lines_.CanNest()) return;
  OpenItem();
  officeItems_.back() = true;
}

void Converter::CloseOfficeLevel() {
  EndBlock();
  if (officeItems_.back()) lines_.CloseContainer();
  EndList();
  officeItems_.pop_back();
}

void Converter::CloseOfficeLists() {
  officeLevelDue_ = 0;
  while (!officeItems_.empty()) CloseOfficeLevel();
}

// Every block but a list paragraph ends the lists of office programs.
bool Converter::EndsOfficeLists(const TagOf& element) {
  switch (element.role) {
    case Role::Boundary:
    case Role::Rule:
      return true;
    case Role::Tag:
      return IsStructural(element.tag) || element.tag == Tag::Pre || element.tag == Tag::Heading;
    default:
      return false;
  }
}

}  // namespace qm::note
