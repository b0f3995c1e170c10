#pragma once
// A failure the caller can report as "number:description", and the small
// result types that carry it. Nothing here throws.
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

#include "base/Text.h"

namespace pipit {

struct Failure {
  int32_t number = 0;
  Text description;

  // The numbering follows the classic runtime error numbers so that a log
  // line such as "設定取得エラー:53:ファイルが見つかりません。" reads familiar.
  static Failure overflow() { return {6, u"オーバーフローしました。"}; }
  static Failure typeMismatch() { return {13, u"型が一致しません。"}; }
  static Failure fileNotFound() { return {53, u"ファイルが見つかりません。"}; }
  static Failure permissionDenied() { return {70, u"書き込みできません。"}; }
  static Failure fileAccess() { return {75, u"パス/ファイル アクセス エラーです。"}; }
  static Failure deviceIo() { return {57, u"デバイス I/O エラーです。"}; }
  static Failure subscriptOutOfRange() { return {9, u"インデックスが有効範囲にありません。"}; }

  Text toText() const;  // "number:description"
};

// A value or the failure that prevented it.
template <class T>
class Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}            // NOLINT: implicit on purpose
  Outcome(Failure failure) : state_(std::move(failure)) {}  // NOLINT

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  const Failure& failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

// Success, or the failure of an action that has no value.
class Status {
 public:
  Status() = default;
  Status(Failure failure) : failure_(std::move(failure)) {}  // NOLINT
  static Status success() { return {}; }

  bool ok() const { return !failure_.has_value(); }
  explicit operator bool() const { return ok(); }
  const Failure& failure() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};

}  // namespace pipit
