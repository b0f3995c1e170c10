#include <gtest/gtest.h>

#include <memory>

#include "CoreFixture.h"
#include "FakeSettings.h"
#include "programs/pipitlauncher/ConfigurationManagerCore.h"
#include "settings/ConfigFormController.h"

namespace pipit {
namespace {

using Texts = std::vector<Text>;
using Strings = std::vector<std::string>;

std::shared_ptr<CommandInfo> row(Text command, Text path, Text directory = u"") {
  auto info = std::make_shared<CommandInfo>();
  info->setCommand(std::move(command));
  info->setExecutionPath(std::move(path));
  info->setExecutionDirectory(std::move(directory));
  return info;
}

class ConfigFormControllerTest : public ::testing::Test {
 protected:
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  Logger logger{files, clock, CodePage::named("CP932")};
  fakes::FakeDialogs dialogs;
  fakes::FakeClipboard clipboard;
  fakes::FakeFileChooser chooser;
  fakes::FakeFormView view;
  fakes::FakeSettingsCore core;
  ConfigFormController form{view, core, SettingsPorts{dialogs, clipboard, chooser}, logger};

  ConfigFormControllerTest() {
    Configuration& c = core.current;
    c.setHiddenMode(true);
    c.setHiddenDelay(1500);
    c.setNewIE(true);
    c.setStyleSimple(true);
    c.setHotKeyMod(u"CTRL");
    c.setHotKeyValue(u"Z");
    c.setGoogleURL(u"https://search.example/?q=");
    c.setGoogleEncoding(u"UTF-8");
    c.setFormTop(500);
    c.setBackGroundImage(u"back.gif");
    c.setCommands({row(u"mail", u"mail.exe", u"C:\\Mail"), row(u"", u"orphan.exe"),
                   row(u"broken", u""), row(u"[区切り線]", u""), row(u"web", u"http://x/")});
  }
};

TEST_F(ConfigFormControllerTest, OpeningFillsEveryControlFromTheSettingsInForce) {
  core.registered = true;
  form.init(u"");
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.checks, (std::map<FormCheck, bool>{{FormCheck::HideWindow, true},
                                                    {FormCheck::DebugMode, false},
                                                    {FormCheck::NewIE, true},
                                                    {FormCheck::AutoExec, true}}));
  EXPECT_EQ(view.choices[FormChoice::Style].entries,
            (Texts{u"ピピットモード（model）", u"シンプルモード（model_simple）"}));
  EXPECT_EQ(view.choices[FormChoice::Style].selected, 1);
  EXPECT_EQ(view.choices[FormChoice::HotkeyMod].entries, (Texts{u"ALT", u"CTRL", u"SHIFT"}));
  EXPECT_EQ(view.choices[FormChoice::HotkeyMod].selected, 1);
  const Texts& keys = view.choices[FormChoice::HotkeyValue].entries;
  ASSERT_EQ(keys.size(), 36u);
  EXPECT_EQ(keys.front(), u"0");
  EXPECT_EQ(keys[10], u"A");
  EXPECT_EQ(view.choices[FormChoice::HotkeyValue].selected, 35);
  EXPECT_EQ(view.rows, (Texts{u"mail\tmail.exe\tC:\\Mail", u"[区切り線]\t\t", u"web\thttp://x/\t"}))
      << "rows that cannot be listed are left out";
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigFormControllerTest, FocusAndSelectionWithAndWithoutAPath) {
  struct Case {
    const char* name;
    Text path;
    bool emptyTable;
    FormFocus focus;
    int selected;
    Texts boxes;
  };
  for (const Case& c : std::vector<Case>{
           {"no path: the first row",
            u"",
            false,
            FormFocus::CommandList,
            0,
            {u"mail", u"mail.exe", u"C:\\Mail"}},
           {"no path, no rows", u"", true, FormFocus::CommandList, -1, {u"", u"", u""}},
           {"a dropped file",
            u"C:\\dropped.txt",
            false,
            FormFocus::CommandText,
            -1,
            {u"", u"C:\\dropped.txt", u""}},
       }) {
    SCOPED_TRACE(c.name);
    if (c.emptyTable) core.current.setCommands({});
    view.type(u"left", u"over", u"edits");
    form.init(c.path);
    EXPECT_EQ(view.focused, c.focus);
    EXPECT_EQ(view.selected, c.selected);
    EXPECT_EQ(view.boxes(), c.boxes);
  }
}

TEST_F(ConfigFormControllerTest, AHotKeyNotInTheListsSelectsNothingAndSavesEmpty) {
  core.current.setHotKeyMod(u"WIN");
  core.current.setHotKeyValue(u"F1");
  form.init(u"");
  EXPECT_EQ(view.choices[FormChoice::HotkeyMod].selected, -1);
  EXPECT_EQ(view.choices[FormChoice::HotkeyValue].selected, -1);
  form.onCommit();
  ASSERT_EQ(core.saved.size(), 1u);
  EXPECT_EQ(core.saved[0].getHotKeyMod(), u"");
  EXPECT_EQ(core.saved[0].getHotKeyValue(), u"");
}

TEST_F(ConfigFormControllerTest, SavingBuildsNewSettingsFromTheControls) {
  form.init(u"");
  view.checks[FormCheck::HideWindow] = false;
  view.checks[FormCheck::DebugMode] = true;
  view.checks[FormCheck::NewIE] = false;
  view.choices[FormChoice::Style].selected = 0;
  view.choices[FormChoice::HotkeyMod].selected = 0;
  view.choices[FormChoice::HotkeyValue].selected = 3;
  form.editor().onDown();
  form.onCommit();

  ASSERT_EQ(core.saved.size(), 1u);
  const Configuration& s = core.saved[0];
  EXPECT_FALSE(s.isHiddenMode());
  EXPECT_TRUE(s.isDebugMode());
  EXPECT_FALSE(s.isNewIE());
  EXPECT_FALSE(s.isStyleSimple());
  EXPECT_EQ(s.getHotKeyMod(), u"ALT");
  EXPECT_EQ(s.getHotKeyValue(), u"3");
  // What the dialog does not show comes from the settings in force; the
  // position and the background picture are those of new settings.
  EXPECT_EQ(s.getHiddenDelay(), 1500);
  EXPECT_EQ(s.getGoogleURL(), u"https://search.example/?q=");
  EXPECT_EQ(s.getGoogleEncoding(), u"UTF-8");
  EXPECT_EQ(s.getFormTop(), 0);
  EXPECT_EQ(s.getBackGroundImage(), u"");
  ASSERT_EQ(s.commands().size(), 3u);
  EXPECT_EQ(s.commands()[0]->getCommand(), u"[区切り線]");
  EXPECT_EQ(s.commands()[1]->getExecutionDirectory(), u"C:\\Mail");
  EXPECT_FALSE(view.visible);
}

TEST_F(ConfigFormControllerTest, LogonRegistrationFollowsTheBoxAfterTheSave) {
  for (const bool ticked : {true, false}) {
    core.calls.clear();
    core.registered = !ticked;
    form.init(u"");
    view.checks[FormCheck::AutoExec] = ticked;
    form.onCommit();
    EXPECT_EQ(core.calls, (Strings{"set", ticked ? "register" : "unregister"}));
  }
}

TEST_F(ConfigFormControllerTest, AFailedSaveIsReportedAndKeepsTheDialogWithItsEdits) {
  form.init(u"");
  view.checks[FormCheck::AutoExec] = true;
  form.editor().onDelete();
  core.saveFailure = Failure::permissionDenied();
  form.onCommit();
  EXPECT_EQ(core.calls, (Strings{"set"})) << "no logon step";
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.rows.size(), 2u) << "the edits stay";
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, u"設定を保存できませんでした。\r\n書き込みできません。");
  EXPECT_EQ(dialogs.shown[0].title, u"ピピットランチャー");
  EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
}

TEST_F(ConfigFormControllerTest, CancelDiscardsAndTheNextOpeningRefills) {
  form.init(u"");
  form.editor().onDelete();
  view.checks[FormCheck::HideWindow] = false;
  form.onCancel();
  EXPECT_FALSE(view.visible);
  EXPECT_TRUE(core.calls.empty());
  form.init(u"");
  EXPECT_EQ(view.rows.size(), 3u);
  EXPECT_TRUE(view.checks[FormCheck::HideWindow]);
}

TEST_F(ConfigFormControllerTest, AWindowThatCannotBeCreatedOpensNothing) {
  view.canCreate = false;
  form.init(u"C:\\x");
  EXPECT_FALSE(view.visible);
  EXPECT_TRUE(view.rows.empty());
}

// The dialog and the real ConfigurationManager over an in-memory folder.
class ConfigFormWithManagerTest : public ::testing::Test, public fakes::CoreFixture {
 protected:
  ConfigurationManagerCore core{manager};
  fakes::FakeClipboard clipboard;
  fakes::FakeFileChooser chooser;
  fakes::FakeFormView view;
  ConfigFormController form{view, core, SettingsPorts{dialogs, clipboard, chooser}, logger};

  void start(TextView configText) {
    writeConfig(configText);
    manager.main(parts);
    journal.calls.clear();
  }
};

TEST_F(ConfigFormWithManagerTest, DeletingEveryRowSavesAFileThatReadsBackEmpty) {
  start(
      u"PREF/DEBUG_MODE\t0\r\nPREF/HOTKEY_MOD\tALT\r\nPREF/HOTKEY_VALUE\tP\r\n"
      u"#comment\r\nbroken\t\r\nmail\tmail.exe\r\n");
  form.init(u"");
  form.editor().onDelete();
  form.onCommit();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(config(),
            u"PREF/HIDDEN_MODE\t0\r\nPREF/HIDDEN_DELAY\t2000\r\nPREF/HOTKEY_MOD\tALT\r\n"
            u"PREF/HOTKEY_VALUE\tP\r\nPREF/GOOGLE_URL\t\r\nPREF/GOOGLE_ENCODING\t\r\n"
            u"PREF/DEBUG_MODE\t0\r\nPREF/NEWIE\t0\r\nPREF/STYLE\t0\r\nPREF/TOP\t0\r\n"
            u"PREF/LEFT\t0\r\n\r\n");
  EXPECT_TRUE(manager.getConfiguration().commands().empty());
  EXPECT_EQ(journal.calls, (Strings{"window.simple=0", "model.load", "window.init", "menu.init"}));
  EXPECT_FALSE(view.visible);
}

TEST_F(ConfigFormWithManagerTest, AReadOnlyFolderKeepsTheOldFileAndTheOpenDialog) {
  start(u"PREF/DEBUG_MODE\t0\r\nmail\tmail.exe\r\n");
  const std::string before = files.content[configPath];
  form.init(u"");
  form.editor().onSeparator();
  files.failing[configPath] = Failure::permissionDenied();
  form.onCommit();
  files.failing.clear();
  EXPECT_EQ(files.content[configPath], before);
  EXPECT_EQ(journal.calls, (Strings{"window.simple=0", "model.load"}))
      << "her model is read before the file is written; nothing else changes";
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.rows.size(), 2u);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, u"設定を保存できませんでした。\r\n書き込みできません。");
  EXPECT_TRUE(registry.keys.empty()) << "no logon step";
}

}  // namespace
}  // namespace pipit
