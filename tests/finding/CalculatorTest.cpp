// The input box's calculator: its grammar and its results, errors included,
// as one table; and text that is arithmetic without "=".
#include <gtest/gtest.h>

#include "finding/Calculator.h"

namespace pipit {
namespace {

TEST(CalculatorTest, ReadsTheGrammarAndGivesExactOrFifteenDigitResults) {
  using enum Calculation::Outcome;
  const DigitGrouping grouping;
  const struct {
    Text expression;
    Calculation::Outcome outcome;
    const char16_t* shown = u"";  // the list's text of a value
  } cases[] = {
      {u"1+2*3", value, u"7"},
      {u"(1+2)*3", value, u"9"},
      {u"１＋２×３÷２", value, u"4"},
      {u"2^10", value, u"1,024"},
      {u"2^3^2", value, u"512"},
      {u"-2^2", value, u"-4"},
      {u"--3", value, u"3"},
      {u"7%3", value, u"1"},
      {u"0.1+0.2", value, u"0.3"},
      {u"1,234.5*2", value, u"2,469"},
      {u"0xff + 0X10", value, u"271"},
      {u"sqrt(16)+abs(-2)+round(2.5)", value, u"9"},
      {u"sin(0)+cos(0)+tan 0+log(1000)+ln(e)", value, u"5"},
      {u"pi", value, u"3.14159265358979"},
      {u"2^53", value, u"9,007,199,254,740,992"},
      {u"2^53+2", value, u"9.00719925474099e+15"},
      {u"1/3", value, u"0.333333333333333"},
      {u"-1234567.25", value, u"-1,234,567.25"},
      {u"1/0", divisionByZero},
      {u"5%(2-2)", divisionByZero},
      {u"10^400", overflow},
      {u"sqrt(-1)", overflow},
      {u"", unreadable},
      {u"1+", unreadable},
      {u"(1", unreadable},
      {u"1,23", unreadable},
      {u"foo(2)", unreadable},
      {u"2 3", unreadable},
      {Text(10000, u'(') + u"1" + Text(10000, u')'), unreadable},
      {Text(60, u'(') + u"1" + Text(60, u')'), value, u"1"},
      {Text(99999, u'-') + u"1", unreadable},
      {u"1" + Text(49999, u'+') + u"1", unreadable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.expression.substr(0, 40)));
    const Calculation result = calculate(c.expression);
    EXPECT_EQ(result.outcome, c.outcome);
    if (c.outcome == value) {
      EXPECT_EQ(resultText(result.value, grouping), c.shown);
    }
  }
  EXPECT_EQ(resultText(1234567, grouping, false), u"1234567") << "the clipboard's digits";
  EXPECT_EQ(resultText(1234567, {u".", 4}), u"123.4567");
}

TEST(CalculatorTest, OnlyAnEqualsSignOrArithmeticWithAnOperatorIsACalculation) {
  const struct {
    const char16_t* text;
    bool calculation, arithmetic;
  } cases[] = {{u"=1", true, false},    {u"＝2*3", true, false}, {u"=x", true, false},
               {u"1+2*3", false, true}, {u"(4)/2", false, true}, {u"２×３", false, true},
               {u"-5", false, false},   {u"memo", false, false}, {u"c++", false, false},
               {u"1+", false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(isCalculation(c.text), c.calculation) << toUtf8(c.text);
    EXPECT_EQ(looksLikeArithmetic(c.text), c.arithmetic) << toUtf8(c.text);
  }
}

}  // namespace
}  // namespace pipit
