// Which shortcuts a scan reads, recalls, leaves out of its first list and
// remembers as broken, over a system kept in maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "platform/ShortcutScan.h"

namespace pipit {
namespace {
using Programs = std::vector<InstalledProgram>;

struct FakeShortcutFiles final : ShortcutFiles {
  ShortcutListing list(const Text& folder) override { return folders[folder]; }
  std::optional<Text> linkTarget(const Text& file, uint64_t) override {
    read.push_back(file);
    last = file;
    return contents[file];
  }
  std::optional<Text> itemListTarget() override {
    const auto it = itemLists.find(last);
    return it == itemLists.end() ? std::nullopt : std::optional(it->second);
  }
  bool hasInternetAddress(const Text& file, uint64_t) override {
    read.push_back(file);
    return contents[file].has_value();
  }
  Text shellName(const Text&, const Text& fileName) override { return names[fileName]; }
  bool targetGone(const Text& path) override { return !path.empty() && !there.contains(path); }

  std::map<Text, ShortcutListing> folders;
  std::map<Text, std::optional<Text>> contents;  // a .lnk's target; a .url's address, if any
  std::map<Text, Text> itemLists, names;
  std::set<Text> there;  // the targets that exist
  std::vector<Text> read;
  Text last;
};

const Text kStart = u"C:\\start", kTool = u"C:\\start\\tool.lnk", kExe = u"C:\\tool.exe";

// A folder holding tool.lnk, which points at an existing program.
struct Scans {
  Scans() {
    files.folders[kStart].shortcuts.push_back({u"tool.lnk", 1, 10, true});
    files.contents[kTool] = kExe;
    files.there.insert(kExe);
  }
  ListedShortcut& tool() { return files.folders[kStart].shortcuts[0]; }
  void add(const Text& name, bool isLink, std::optional<Text> content) {
    files.folders[kStart].shortcuts.push_back({name, 1, 10, isLink});
    files.contents[kStart + u"\\" + name] = std::move(content);
  }
  Programs scan(std::optional<Programs>* preview = nullptr) {
    const std::atomic<bool> never{false};
    files.read.clear();
    ShortcutScan scan(files, never, remembered);
    scan.walk(kStart, true);
    if (preview) *preview = scan.preview();
    Programs found = scan.read();
    std::sort(found.begin(), found.end());
    return found;
  }
  FakeShortcutFiles files;
  RememberedShortcuts remembered;
};

TEST(ShortcutScanTest, AShortcutIsReadAgainOnlyWhenItOrItsFolderNamesChanged) {
  struct Case {
    const char* what;
    std::function<void(Scans&)> change;
    bool readAgain;
    Programs found;
  };
  const Programs tool{{u"tool", kTool}};
  const Case cases[] = {
      {"nothing", [](Scans&) {}, false, tool},
      {"its target went", [](Scans& t) { t.files.there.clear(); }, false, {}},
      {"rewritten", [](Scans& t) { t.tool().written = 2; }, true, tool},
      {"resized", [](Scans& t) { t.tool().size = 11; }, true, tool},
      {"its folder's names written",
       [](Scans& t) {
         t.files.folders[kStart].namesWritten = 5;
         t.files.folders[kStart].hasNames = true;
         t.files.names[u"tool.lnk"] = u"道具";
       },
       true,
       {{u"道具", kTool}}},
  };
  for (const Case& c : cases) {
    Scans t;
    t.scan();
    c.change(t);
    std::optional<Programs> preview;
    EXPECT_EQ(t.scan(&preview), c.found) << c.what;
    EXPECT_EQ(t.files.read, c.readAgain ? std::vector{kTool} : std::vector<Text>{}) << c.what;
    EXPECT_EQ(preview.has_value(), c.readAgain) << c.what;
  }
}

TEST(ShortcutScanTest, TheFirstListLeavesOutWhatTheScanBeforeLeftOut) {
  struct Case {
    const char* what;
    std::function<void(Scans&)> before, after;
    std::optional<Text> name;  // tool.lnk's in the first list of the second scan
  };
  const auto none = [](Scans&) {};
  const auto gone = [](Scans& t) { t.files.there.clear(); };
  const auto named = [](Scans& t) {
    t.files.folders[kStart].hasNames = true;
    t.files.names[u"tool.lnk"] = u"道具";
  };
  const Case cases[] = {
      {"read, under the shell's name", named, none, u"道具"},
      {"rewritten since", named, [](Scans& t) { t.tool().written = 2; }, u"道具"},
      {"its target was gone", gone, none, std::nullopt},
      {"its target was gone and is back", gone, [](Scans& t) { t.files.there.insert(kExe); },
       std::nullopt},
      {"no shortcut", [](Scans& t) { t.files.contents[kTool].reset(); }, none, std::nullopt},
  };
  for (const Case& c : cases) {
    Scans t;
    c.before(t);
    std::optional<Programs> preview;
    t.scan(&preview);
    EXPECT_EQ(preview, (Programs{{u"tool", kTool}})) << c.what << ": unread, under its file";
    c.after(t);
    t.add(u"new.url", false, u"https://example.com/");  // unread, so a first list comes
    t.scan(&preview);
    Programs expected{{u"new", kStart + u"\\new.url"}};
    if (c.name) expected.insert(expected.begin(), {*c.name, kTool});
    EXPECT_EQ(preview, expected) << c.what;
  }
}

TEST(ShortcutScanTest, WhatNoShortcutHoldsIsRememberedAsBrokenAndNeverListed) {
  struct Case {
    const char* what;
    bool isLink;
    std::optional<Text> content;
    std::optional<Text> itemList;
    bool listed;       // at the first scan
    bool listedLater;  // once every target exists
  };
  const Case cases[] = {
      {"a .lnk that is no shortcut", true, std::nullopt, kExe, false, false},
      {"a .url without an address", false, std::nullopt, kExe, false, false},
      {"a .lnk without a path", true, u"", std::nullopt, true, true},
      {"a .lnk whose target is gone", true, u"C:\\gone.exe", std::nullopt, false, true},
      {"a .lnk whose item list names what is gone too", true, u"C:\\gone.exe", u"C:\\x.exe", false,
       true},
      {"a .lnk whose item list names what is there", true, u"C:\\Cafe.exe", kExe, true, true},
  };
  for (const Case& c : cases) {
    Scans t;
    t.files.folders[kStart].shortcuts.clear();
    t.add(u"x.lnk", c.isLink, c.content);
    const Text x = kStart + u"\\x.lnk";
    if (c.itemList) t.files.itemLists[x] = *c.itemList;
    const Programs listed{{u"x", x}};
    EXPECT_EQ(t.scan(), c.listed ? listed : Programs{}) << c.what;
    EXPECT_EQ(t.files.read, std::vector{x}) << c.what;
    t.files.there.insert(u"C:\\gone.exe");
    EXPECT_EQ(t.scan(), c.listedLater ? listed : Programs{}) << c.what;
    EXPECT_TRUE(t.files.read.empty()) << c.what << ": read again";
  }
}

}  // namespace
}  // namespace pipit
