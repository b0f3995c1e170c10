#include "finding/SystemRows.h"

#include "finding/TextFolding.h"

namespace pipit {

const std::vector<SystemRow>& systemRows() {
  static const std::vector<SystemRow> rows{
      {SystemCommand::lock, u"ロック", u"lock", u""},
      {SystemCommand::sleep, u"スリープ", u"sleep", u""},
      {SystemCommand::restart, u"再起動", u"restart reboot", u"パソコンを再起動しますか？"},
      {SystemCommand::shutDown, u"シャットダウン", u"shut down shutdown",
       u"パソコンをシャットダウンしますか？"},
      {SystemCommand::signOut, u"サインアウト", u"sign out log off", u"サインアウトしますか？"},
      {SystemCommand::emptyRecycleBin, u"ごみ箱を空にする", u"empty recycle bin",
       u"ごみ箱を空にしますか？元には戻せません。"},
  };
  return rows;
}

std::vector<FindableName> systemFindableNames(const NameReadings& readings) {
  std::vector<FindableName> names;
  for (const SystemRow& row : systemRows()) {
    FindableName name{Text(row.name), {Text(row.english)}, {}};
    if (readings) name.reading = readings(foldForFinding(row.name));
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace pipit
