#pragma once
// The character's model: reads "model.conf" of the current style, keeps her
// layout settings and lines, decodes the pictures her lines name, and answers
// a response key with one of her lines while switching her picture to it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "base/CodePage.h"
#include "core/Logger.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "request/CharacterLines.h"
#include "ui/ExpressionView.h"
#include "ui/ModelSettings.h"
#include "ui/RandomSource.h"
#include "ui/SimpleMode.h"

namespace pipit {

class MessageProvider final : public CharacterLines {
 public:
  // At most this many entry lines; the count is a signed 16-bit number.
  static constexpr std::size_t kMaxEntries = 32767;

  MessageProvider(Files& files, const Pictures& pictures, ExpressionView& view,
                  const SimpleMode& style, RandomSource& random, Logger& logger, CodePage codePage);

  // Reads the model of the current style. On failure the entries,
  // pictures and settings of the previous load stay as they were.
  Status loadModel() override;
  Text getMessage(TextView key, TextView parameter) override;
  bool hasLine(TextView key) const override {
    std::vector<std::size_t> scratch;
    return !candidates(key, scratch).empty();
  }

  // Settings accumulate over every successful load of either style.
  const ModelSettings& settings() const { return settings_; }
  const std::vector<Text>& messageLines() const { return messageLines_; }
  const std::vector<Text>& pictureNames() const { return pictureNames_; }
  // The decoded picture of pictureNames()[index]; null for an empty name.
  PictureHandle picture(std::size_t index) const { return holders_.at(index); }

  // Round(r * maxIndex), halves to even, with r uniform in [0, 1): the first
  // and last of n lines are chosen half as often as the others.
  int16_t getRandomIndex(int16_t maxIndex);
  static std::vector<Text> removeDuplicates(std::vector<Text> list);

 private:
  struct Entry {
    Text picture;
    Text text;
  };
  struct Model {
    ModelSettings settings;
    std::vector<Text> lines;
    std::vector<Entry> entries;
    std::vector<Text> pictureNames;
    std::vector<PictureHandle> holders;
  };

  // Applies a setting line; the result tells whether the line was one.
  Outcome<bool> parseConfLine(TextView line, ModelSettings& settings) const;
  // `file` names the model file in failures.
  Status readLines(TextView file, TextView content, Model& model) const;
  Status loadPictures(Model& model) const;
  void showPicture(TextView name);
  void buildIndex();
  // Entry indices of the lines that begin with the key and a TAB, in file
  // order; `scratch` holds them when the index cannot answer.
  std::span<const std::size_t> candidates(TextView key, std::vector<std::size_t>& scratch) const;

  Files& files_;
  const Pictures& pictures_;
  ExpressionView& view_;
  const SimpleMode& style_;
  RandomSource& random_;
  Logger& logger_;
  CodePage codePage_;

  ModelSettings settings_;
  std::vector<Text> messageLines_;
  std::vector<Entry> entries_;
  std::vector<Text> pictureNames_;
  std::vector<PictureHandle> holders_;
  // Lookup by key instead of a scan of every line: same candidates in the
  // same order, so the same line is chosen.
  std::map<Text, std::vector<std::size_t>, std::less<>> byKey_;
  std::map<Text, std::size_t, std::less<>> pictureIndex_;
};

}  // namespace pipit
