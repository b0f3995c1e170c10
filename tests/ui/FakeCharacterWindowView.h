#pragma once
// The character window as a record of what the logic asked of it.
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "base/Path.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "ui/CharacterWindowView.h"
#include "ui/InputBoxView.h"
#include "ui/ModelSettings.h"

namespace pipit::fakes {

class FakeInputBox : public InputBoxView {
 public:
  Text input;
  bool inputSelected = false;
  std::vector<Text> words;  // the rows' names
  std::vector<ListRowLook> rows;
  std::optional<std::size_t> selected;  // the row the user moved to
  bool listOpen = false;
  bool focused = false;

  Text inputText() const override { return input; }
  void setInputText(const Text& text, bool selectAll) override {
    input = text;
    inputSelected = selectAll;
  }
  void setListRows(std::vector<ListRowLook> r) override {
    rows = std::move(r);
    words.clear();
    for (const ListRowLook& row : rows) words.push_back(row.name);
  }
  void showCommandList(bool open) override { listOpen = open; }
  std::optional<std::size_t> selectedListRow() const override { return selected; }
  void focusInput() override { focused = true; }
};

// Her window with the box in it, as the tests meet both.
class FakeCharacterWindowView : public CharacterWindowView, public FakeInputBox {
 public:
  PictureHandle windowPicture;
  std::map<ImageId, PictureHandle> images;
  std::map<ImageId, PixelPoint> imageAt;
  std::map<ImageId, bool> imageVisible;
  std::optional<ControlLayout> layout;
  std::set<Text> missingIcons;
  Text message;
  bool visible = false;
  int topMost = 0;
  PixelPoint at;
  double twipsPerPixel = 15;
  int32_t screenDpi = 96;
  int hotKeys = 0;  // registered now
  bool refuseHotKey = false;
  std::map<TimerId, uint32_t> timers;  // running, with their interval
  int styleTimerStarts = 0;
  std::vector<std::vector<MenuItem>> menus;
  std::optional<std::size_t> menuChoice;

  void setWindowPicture(PictureHandle picture) override { windowPicture = std::move(picture); }
  void setImage(ImageId id, PictureHandle picture) override { images[id] = std::move(picture); }
  void moveImage(ImageId id, PixelPoint topLeft) override { imageAt[id] = topLeft; }
  void setImageVisible(ImageId id, bool shown) override { imageVisible[id] = shown; }
  Status loadIcon(const Text& path) override {
    if (missingIcons.count(path)) return Failure::fileNotFound();
    return Status::success();
  }
  void makeColourKeyed() override {}
  void applyLayout(const ControlLayout& l) override { layout = l; }
  void setMessageText(const Text& text) override { message = text; }
  void show() override { visible = true; }
  void hide() override {
    visible = false;
    focused = false;
  }
  bool isVisible() const override { return visible; }
  void setTopMost() override { ++topMost; }
  PixelPoint position() const override { return at; }
  void moveTo(PixelPoint topLeft) override { at = topLeft; }
  int32_t dpi() const override { return screenDpi; }
  double twipsPerPixelX() const override { return twipsPerPixel; }
  double twipsPerPixelY() const override { return twipsPerPixel; }
  bool registerHotKey(uint8_t, uint8_t) override {
    if (refuseHotKey) return false;
    ++hotKeys;
    return true;
  }
  void unregisterHotKey() override { hotKeys = 0; }
  void startTimer(TimerId timer, uint32_t ms) override {
    timers[timer] = ms;
    if (timer == TimerId::Style) ++styleTimerStarts;
  }
  void stopTimer(TimerId timer) override { timers.erase(timer); }
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items,
                                       bool /*underInput*/ = false) override {
    menus.push_back(items);
    return menuChoice;
  }
};

// One of her pictures in the fake install folder.
inline Text modelPicture(const FakeFiles& files, TextView style, TextView file) {
  return appendPathSeparator(files.folder) + Text(style) + u"\\" + Text(file);
}

// Every picture of both styles, and the settings her window is laid out
// with in the window tests.
inline void putModel(FakeFiles& files, ModelSettings& settings) {
  for (const char16_t* style : {u"model", u"model_simple"}) {
    for (const char16_t* file :
         {u"main.gif", u"eyes_closed.gif", u"balloon_model.gif", u"balloon_user.gif"}) {
      files.content[modelPicture(files, style, file)] = FakePictures::gif(40, 12);
    }
  }
  (void)settings.set(u"CONF/EYES_LEFT", u"7");
  (void)settings.set(u"CONF/EYES_TOP", u"30");
  (void)settings.set(u"CONF/FORM_WIDTH", u"250");
}

}  // namespace pipit::fakes
