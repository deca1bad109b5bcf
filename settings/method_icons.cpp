#include "settings/method_icons.h"

#include "settings/action_record.h"

namespace qm {

IconFiles IconFilesFor(std::string_view aktion) {
  switch (ParseMethod(aktion).method) {
    case SaveMethod::SameFile:
      return {"\\Icons\\gleichedatei.ico", "\\Icons\\gleichedat.ico"};
    case SaveMethod::Numbered:
      return {"\\Icons\\extradatei.ico", "\\Icons\\extradat.ico"};
    case SaveMethod::Bilder:
      return {"\\Icons\\bilder.ico", "\\Icons\\bild.ico"};
    case SaveMethod::WordFolder:
      return {"\\Icons\\dateiundordner.ico", "\\Icons\\dateiundordner2.ico"};
    case SaveMethod::WordFile:
      break;
  }
  return {"\\Icons\\extradateiw.ico", "\\Icons\\extradatw.ico"};
}

}  // namespace qm
