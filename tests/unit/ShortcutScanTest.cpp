// Which shortcuts a scan reads again, leaves out of its first list and
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

const Text kStart = u"C:\\start", kTool = u"C:\\start\\tool.lnk", kExe = u"C:\\tool.exe",
           kOther = u"C:\\other.exe";

// Starts with C:\start\tool.lnk pointing at C:\tool.exe, which is there.
struct Scans final : ShortcutFiles {
  Scans() {
    add(u"tool.lnk", true, kExe);
    there.insert(kExe);
  }
  ShortcutListing list(const Text& folder) override { return folders[folder]; }
  std::optional<Text> linkTarget(const Text& file, uint64_t) override {
    read.push_back(last = file);
    return contents[file];
  }
  std::optional<Text> itemListTarget() override {
    return itemLists.contains(last) ? std::optional(itemLists[last]) : std::nullopt;
  }
  bool hasInternetAddress(const Text& file, uint64_t) override {
    read.push_back(file);
    return contents[file].has_value();
  }
  Text shellName(const Text&, const Text& fileName) override { return names[fileName]; }
  bool targetGone(const Text& path) override { return !path.empty() && !there.contains(path); }

  void add(const Text& name, bool isLink, std::optional<Text> content) {
    folders[kStart].shortcuts.push_back({name, 1, 10, isLink});
    contents[kStart + u"\\" + name] = std::move(content);
  }
  ListedShortcut& tool() { return folders[kStart].shortcuts[0]; }
  Programs scan(std::optional<Programs>* preview = nullptr) {
    const std::atomic<bool> never{false};
    read.clear();
    ShortcutScan scan(*this, never, remembered);
    scan.walk(kStart, true);
    if (preview) *preview = scan.preview();
    Programs found = scan.read();
    std::sort(found.begin(), found.end());
    return found;
  }

  std::map<Text, ShortcutListing> folders;
  std::map<Text, std::optional<Text>> contents;  // a .lnk's target; a .url's address, if any
  std::map<Text, Text> itemLists, names;
  std::set<Text> there;  // the targets that exist
  std::vector<Text> read;
  Text last;
  RememberedShortcuts remembered;
};

TEST(ShortcutScanTest, AShortcutIsReadAgainOnlyWhenItOrItsFolderNamesChanged) {
  struct Case {
    const char* what;
    uint64_t written, size, namesWritten;
    bool targetThere, readAgain;
  };
  const Case cases[] = {
      {"nothing", 1, 10, 0, true, false},           {"its target went", 1, 10, 0, false, false},
      {"rewritten", 2, 10, 0, true, true},          {"resized", 1, 11, 0, true, true},
      {"its folder's names", 1, 10, 5, true, true},
  };
  for (const Case& c : cases) {
    Scans t;
    t.scan();
    // Now it starts another file, which a scan sees only by reading it again.
    t.contents[kTool] = kOther;
    t.there.insert(kOther);
    t.tool().written = c.written;
    t.tool().size = c.size;
    t.folders[kStart].namesWritten = c.namesWritten;
    t.folders[kStart].hasNames = c.namesWritten != 0;
    if (!c.targetThere) t.there.clear();
    std::optional<Programs> preview;
    const Programs tool{{u"tool", kTool, c.readAgain ? kOther : kExe}};
    EXPECT_EQ(t.scan(&preview), c.targetThere ? tool : Programs{}) << c.what;
    EXPECT_EQ(t.read, c.readAgain ? std::vector{kTool} : std::vector<Text>{}) << c.what;
    EXPECT_EQ(preview.has_value(), c.readAgain) << c.what;
  }
}

TEST(ShortcutScanTest, TheFirstListLeavesOutWhatTheScanBeforeLeftOut) {
  const auto none = [](Scans&) {};
  const auto gone = [](Scans& t) { t.there.clear(); };
  const auto named = [](Scans& t) {
    t.folders[kStart].hasNames = true;
    t.names[u"tool.lnk"] = u"道具";
  };
  const struct {
    const char* what;
    std::function<void(Scans&)> before, after;
    std::optional<Text> name;  // tool.lnk's in the second scan's first list
  } cases[] = {
      {"read, under the shell's name", named, none, u"道具"},
      {"rewritten since", named, [](Scans& t) { t.tool().written = 2; }, u"道具"},
      {"its target was gone", gone, none, std::nullopt},
      {"its target was gone and is back", gone, [](Scans& t) { t.there.insert(kExe); },
       std::nullopt},
      {"no shortcut", [](Scans& t) { t.contents[kTool].reset(); }, none, std::nullopt},
  };
  for (const auto& c : cases) {
    Scans t;
    c.before(t);
    std::optional<Programs> preview;
    t.scan(&preview);
    EXPECT_EQ(preview, (Programs{{u"tool", kTool}})) << c.what << ": unread, under its file";
    c.after(t);
    t.add(u"new.url", false, u"https://example.com/");  // unread, so a first list comes
    t.scan(&preview);
    Programs expected{{u"new", kStart + u"\\new.url"}};
    if (c.name) expected.insert(expected.begin(), {*c.name, kTool, kExe});
    EXPECT_EQ(preview, expected) << c.what;
  }
}

TEST(ShortcutScanTest, WhatNoShortcutHoldsIsRememberedAsBrokenAndNeverListed) {
  const Text gone = u"C:\\gone.exe";
  const struct {
    const char* what;
    bool isLink;
    std::optional<Text> content, itemList;
    bool listed, listedLater;  // at the first scan; at the next, every target there
    Text file;                 // the file it is listed with
  } cases[] = {
      {"a .lnk that is no shortcut", true, std::nullopt, kExe, false, false, {}},
      {"a .url without an address", false, std::nullopt, kExe, false, false, {}},
      {"a .lnk without a path", true, u"", std::nullopt, true, true, {}},
      {"a .lnk whose target is gone", true, gone, std::nullopt, false, true, gone},
      {"its item list names what is gone too", true, gone, u"C:\\x.exe", false, true, gone},
      {"its item list names what is there", true, u"C:\\Cafe.exe", kExe, true, true, kExe},
  };
  for (const auto& c : cases) {
    Scans t;
    t.folders[kStart].shortcuts.clear();
    t.add(u"x.lnk", c.isLink, c.content);
    const Text x = kStart + u"\\x.lnk";
    if (c.itemList) t.itemLists[x] = *c.itemList;
    const Programs listed{{u"x", x, c.file}};
    EXPECT_EQ(t.scan(), c.listed ? listed : Programs{}) << c.what;
    EXPECT_EQ(t.read, std::vector{x}) << c.what;
    t.there.insert(gone);
    EXPECT_EQ(t.scan(), c.listedLater ? listed : Programs{}) << c.what;
    EXPECT_TRUE(t.read.empty()) << c.what << ": read again";
  }
}

}  // namespace
}  // namespace pipit
