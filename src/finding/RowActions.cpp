#include "finding/RowActions.h"

#include "finding/TextFolding.h"

namespace pipit {
namespace {

constexpr TextView kAppsFolder = u"shell:AppsFolder\\";

// The extension, folded as names are: ".EXE" reads as ".exe".
Text lowerExtension(TextView path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  const std::size_t dot = path.rfind(u'.');
  if (dot == TextView::npos || (slash != TextView::npos && dot < slash)) return Text();
  return foldForFinding(path.substr(dot));
}

// What starts as a program, so that it can start as administrator.
bool isProgram(TextView path) {
  const Text extension = lowerExtension(path);
  for (const TextView program : {u".exe", u".com", u".bat", u".cmd", u".msc", u".lnk"}) {
    if (extension == program) return true;
  }
  return false;
}

}  // namespace

Text actionPath(const ChosenRow& row) {
  TextView path = row.kind == ListKind::Program && !row.file.empty() ? row.file : row.target;
  if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') {
    path = path.substr(1, path.size() - 2);
  }
  return Text(path);
}

std::vector<RowAction> rowActions(const ChosenRow& row) {
  const Text path = actionPath(row);
  std::vector<RowAction> actions;
  const bool program = row.kind == ListKind::Program;
  // The calculator's answer has only Enter.
  if (row.kind == ListKind::Calculation || row.kind == ListKind::System) return actions;
  // A "$" keyword, or a row with no path at all, is hers alone.
  if (path.empty() || path.front() == u'$') return actions;
  const bool address = path.find(u"://") != Text::npos || startsWith(path, u"www.");
  const bool app = startsWith(path, kAppsFolder);
  if (!address && !app) actions.push_back(RowAction::openFolder);
  if (!address && (app || isProgram(path))) actions.push_back(RowAction::runAsAdmin);
  actions.push_back(RowAction::copyPath);
  // A command word is one already.
  if (program) actions.push_back(RowAction::makeCommand);
  return actions;
}

Text actionLabel(RowAction action) {
  switch (action) {
    case RowAction::openFolder:
      return u"フォルダーを開く(&F)\tCtrl+Enter";
    case RowAction::runAsAdmin:
      return u"管理者として実行(&A)\tCtrl+Shift+Enter";
    case RowAction::copyPath:
      return u"パスをコピー(&C)\tCtrl+Shift+C";
    case RowAction::makeCommand:
      return u"コマンドにする(&M)\tF2";
    case RowAction::copyResult:  // Enter on the answer, never in a menu
      break;
  }
  return Text();
}

}  // namespace pipit
