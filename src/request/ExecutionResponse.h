#pragma once
#include "base/Text.h"

namespace pipit {

// How the handling of one input went. A fresh one is made for every input.
class ExecutionResponse {
 public:
  // The error of a handler that produced no response at all.
  static ExecutionResponse missing(Text errorCode) {
    ExecutionResponse response;
    response.setError(true);
    response.setErrorCode(std::move(errorCode));
    return response;
  }

  bool isError() const { return error_; }
  void setError(bool value) { error_ = value; }
  Text getErrorCode() const { return errorCode_; }
  void setErrorCode(Text value) { errorCode_ = std::move(value); }
  Text getErrorMessage() const { return errorMessage_; }
  void setErrorMessage(Text value) { errorMessage_ = std::move(value); }
  Text getDescription() const { return description_; }
  void setDescription(Text value) { description_ = std::move(value); }

  // The one rendering of a response that every processor logs last.
  Text toLogText() const {
    Text text = u"応答内容：エラー=";
    text += error_ ? u"True" : u"False";
    text += u",エラーコード=";
    text += errorCode_;
    text += u",エラーメッセージ=";
    text += errorMessage_;
    text += u",連絡事項=";
    text += description_;
    return text;
  }

 private:
  bool error_ = false;
  Text errorCode_;
  Text errorMessage_;
  Text description_;
};

}  // namespace pipit
