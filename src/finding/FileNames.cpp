#include "finding/FileNames.h"

#include "finding/TextFolding.h"

namespace pipit {
namespace {

constexpr TextView kAppsFolder = u"shell:AppsFolder\\";

// Each once as the finder sees it, and none that is the shown name again
// ("Google Chrome.lnk" shown as "Google Chrome"): it would find nothing more.
void addOnce(std::vector<Text>& names, const Text& shown, Text name) {
  if (name.empty()) return;
  const Text folded = foldForFinding(name);
  if (folded == foldForFinding(shown)) return;
  for (const Text& known : names) {
    if (foldForFinding(known) == folded) return;
  }
  names.push_back(std::move(name));
}

}  // namespace

Text fileStem(TextView path) {
  if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') {
    path = path.substr(1, path.size() - 2);
  }
  if (path.empty() || path.front() == u'$' || path.find(u"://") != TextView::npos) return Text();
  const std::size_t slash = path.find_last_of(u"\\/");
  TextView name = slash == TextView::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(u'.');
  if (dot != TextView::npos && dot > 0) name = name.substr(0, dot);
  return Text(name);
}

std::vector<Text> programFileNames(const InstalledProgram& program) {
  std::vector<Text> names;
  if (startsWith(program.target, kAppsFolder)) {
    // "Maker.Game_0a1b2c3d4e5f6!App": the package's name, before its
    // publisher's hash and the app's entry.
    const TextView id = TextView(program.target).substr(kAppsFolder.size());
    addOnce(names, program.name, Text(id.substr(0, id.find_first_of(u"_!"))));
    return names;
  }
  addOnce(names, program.name, fileStem(program.target));
  addOnce(names, program.name, fileStem(program.file));
  return names;
}

Text programPlace(const InstalledProgram& program) {
  if (startsWith(program.target, kAppsFolder)) {
    std::vector<Text> names = programFileNames({Text(), program.target});
    return names.empty() ? Text() : names.front();
  }
  const TextView path(program.target);
  const std::size_t slash = path.find_last_of(u"\\/");
  if (slash == TextView::npos) return Text();
  const TextView folder = path.substr(0, slash);
  const std::size_t above = folder.find_last_of(u"\\/");
  return Text(above == TextView::npos ? folder : folder.substr(above + 1));
}

}  // namespace pipit
