#include "finding/Calculator.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "finding/TextFolding.h"

namespace pipit {
namespace {

// Folded as names are for finding (full-width forms as ASCII, capitals as
// small letters), with "×" and "÷" as "*" and "/".
Text folded(TextView text) {
  Text out = foldForFinding(text);
  for (char16_t& c : out) {
    if (c == u'×') c = u'*';
    if (c == u'÷') c = u'/';
  }
  return out;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isLetter(char16_t c) { return c >= u'a' && c <= u'z'; }

// Recursive descent over the folded text, the depth of parentheses and
// unary signs counted so that no input recurses past kDeepestNesting.
class Parser {
 public:
  explicit Parser(TextView text) : text_(text) {}

  Calculation run() {
    std::optional<double> value = sum();
    skipBlanks();
    if (failed_) return {*failed_, 0};
    if (!value || at_ != text_.size()) return {Calculation::Outcome::unreadable, 0};
    if (!std::isfinite(*value)) return {Calculation::Outcome::overflow, 0};
    return {Calculation::Outcome::value, *value};
  }

 private:
  void skipBlanks() {
    while (at_ < text_.size() && text_[at_] == u' ') ++at_;
  }
  bool take(char16_t c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  std::optional<double> fail(Calculation::Outcome outcome) {
    if (!failed_) failed_ = outcome;
    return std::nullopt;
  }

  std::optional<double> sum() {
    std::optional<double> left = product();
    while (left) {
      if (take(u'+')) {
        const std::optional<double> right = product();
        if (!right) return std::nullopt;
        *left += *right;
      } else if (take(u'-')) {
        const std::optional<double> right = product();
        if (!right) return std::nullopt;
        *left -= *right;
      } else {
        break;
      }
    }
    return left;
  }

  std::optional<double> product() {
    std::optional<double> left = signedPower();
    while (left) {
      char16_t op = 0;
      for (const char16_t c : {u'*', u'/', u'%'}) {
        if (take(c)) {
          op = c;
          break;
        }
      }
      if (!op) break;
      const std::optional<double> right = signedPower();
      if (!right) return std::nullopt;
      if (op != u'*' && *right == 0) return fail(Calculation::Outcome::divisionByZero);
      *left = op == u'*' ? *left * *right : op == u'/' ? *left / *right : std::fmod(*left, *right);
    }
    return left;
  }

  // Unary signs bind looser than "^": -2^2 is -4.
  std::optional<double> signedPower() {
    if (++depth_ > kDeepestNesting) return fail(Calculation::Outcome::unreadable);
    std::optional<double> value;
    if (take(u'-')) {
      value = signedPower();
      if (value) *value = -*value;
    } else if (take(u'+')) {
      value = signedPower();
    } else {
      value = power();
    }
    --depth_;
    return value;
  }

  // "^" groups from the right: 2^3^2 is 2^9.
  std::optional<double> power() {
    std::optional<double> base = atom();
    if (!base || !take(u'^')) return base;
    const std::optional<double> exponent = signedPower();
    if (!exponent) return std::nullopt;
    return std::pow(*base, *exponent);
  }

  std::optional<double> atom() {
    skipBlanks();
    if (at_ >= text_.size()) return std::nullopt;
    if (take(u'(')) {
      if (++depth_ > kDeepestNesting) return fail(Calculation::Outcome::unreadable);
      std::optional<double> inside = sum();
      --depth_;
      if (!inside || !take(u')')) return std::nullopt;
      return inside;
    }
    if (isDigit(text_[at_]) || text_[at_] == u'.') return number();
    if (isLetter(text_[at_])) return named();
    return std::nullopt;
  }

  // Exactly three digits from `at` on: what follows a grouping comma.
  bool threeDigitsAt(std::size_t at) const {
    if (at + 3 > text_.size()) return false;
    for (std::size_t i = at; i < at + 3; ++i) {
      if (!isDigit(text_[i])) return false;
    }
    return at + 3 == text_.size() || !isDigit(text_[at + 3]);
  }

  std::optional<double> number() {
    if (text_.compare(at_, 2, u"0x") == 0) {
      std::size_t end = at_ + 2;
      double value = 0;
      for (; end < text_.size(); ++end) {
        const char16_t c = text_[end];
        const int digit = isDigit(c) ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
        if (digit < 0) break;
        value = value * 16 + digit;
      }
      if (end == at_ + 2) return std::nullopt;
      at_ = end;
      return value;
    }
    // Digits, grouping commas between groups of three, a decimal part.
    std::string digits;
    std::size_t end = at_;
    std::size_t group = 0;
    bool point = false;
    for (; end < text_.size(); ++end) {
      const char16_t c = text_[end];
      if (isDigit(c)) {
        digits += static_cast<char>(c);
        ++group;
      } else if (c == u',' && !point && group >= 1 && group <= 3 && threeDigitsAt(end + 1)) {
        group = 0;
      } else if (c == u'.' && !point) {
        point = true;
        digits += '.';
      } else {
        break;
      }
    }
    if (digits.empty() || digits == ".") return std::nullopt;
    at_ = end;
    return std::strtod(digits.c_str(), nullptr);
  }

  std::optional<double> named() {
    std::size_t end = at_;
    while (end < text_.size() && isLetter(text_[end])) ++end;
    const TextView name = text_.substr(at_, end - at_);
    at_ = end;
    if (name == u"pi") return 3.14159265358979323846;
    if (name == u"e") return 2.71828182845904523536;
    double (*const function)(double) =
        name == u"sqrt"    ? static_cast<double (*)(double)>(std::sqrt)
        : name == u"sin"   ? static_cast<double (*)(double)>(std::sin)
        : name == u"cos"   ? static_cast<double (*)(double)>(std::cos)
        : name == u"tan"   ? static_cast<double (*)(double)>(std::tan)
        : name == u"log"   ? static_cast<double (*)(double)>(std::log10)
        : name == u"ln"    ? static_cast<double (*)(double)>(std::log)
        : name == u"abs"   ? static_cast<double (*)(double)>(std::fabs)
        : name == u"round" ? static_cast<double (*)(double)>(std::round)
                           : nullptr;
    if (!function) return std::nullopt;
    // A function takes what follows it as a unary sign would: "sqrt 4",
    // "sqrt(4)", "-sqrt 4".
    const std::optional<double> argument = signedPower();
    if (!argument) return std::nullopt;
    return function(*argument);
  }

  TextView text_;
  std::size_t at_ = 0;
  std::size_t depth_ = 0;
  std::optional<Calculation::Outcome> failed_;
};

}  // namespace

bool isCalculation(TextView typed) {
  return !typed.empty() && (typed.front() == u'=' || typed.front() == u'＝');
}

bool looksLikeArithmetic(TextView typed) {
  if (typed.empty() || isCalculation(typed) || typed.size() > kLongestExpression) return false;
  const Text text = folded(typed);
  bool digit = false, op = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    digit = digit || isDigit(c);
    // A sign at the very start is no operator: "-5" is a number.
    op = op || (i > 0 && Text(u"+-*/%^").find(c) != Text::npos);
  }
  return digit && op && calculate(typed).outcome == Calculation::Outcome::value;
}

Calculation calculate(TextView expression) {
  if (expression.size() > kLongestExpression) return {Calculation::Outcome::unreadable, 0};
  const Text text = folded(expression);
  return Parser(text).run();
}

Text resultText(double value, const DigitGrouping& grouping, bool grouped) {
  char buffer[64];
  constexpr double kExact = 9007199254740992.0;  // 2^53
  if (value == std::trunc(value) && std::fabs(value) <= kExact) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
  }
  std::string digits(buffer);
  if (digits == "-0") digits = "0";
  Text text(digits.begin(), digits.end());
  if (!grouped || grouping.size <= 0 || text.find(u'e') != Text::npos) return text;
  const std::size_t begin = text.front() == u'-' ? 1 : 0;
  std::size_t end = text.find(u'.');
  if (end == Text::npos) end = text.size();
  for (std::size_t at = end; at > begin + static_cast<std::size_t>(grouping.size);) {
    at -= static_cast<std::size_t>(grouping.size);
    text.insert(at, grouping.separator);
  }
  return text;
}

}  // namespace pipit
