#include "platform/text.hpp"

#include <gtest/gtest.h>

TEST(Text, BytesMapOneToOneAndLowByteGoesOut) {
  Text t = TextFromBytes(std::string("A\xc5\xff", 3));
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[1], u'\u00c5');
  EXPECT_EQ(t[2], u'\u00ff');
  EXPECT_EQ(TextToBytes(Text(u"\u0141x")), std::string("\x41x"));
}

TEST(Text, IntToTextAndJoin) {
  EXPECT_EQ(IntToText(0), u"0");
  EXPECT_EQ(IntToText(-45), u"-45");
  EXPECT_EQ(IntToText(INT32_MIN), u"-2147483648");
  EXPECT_EQ(JoinText(u"TEAM ", u"A", u" HAS WON"), u"TEAM A HAS WON");
}

TEST(Text, RealToTextUsesNineSignificantDigitsAndThreeDigitExponents) {
  EXPECT_EQ(RealToText(1.5), u"1.50000000");
  EXPECT_EQ(RealToText(0.0), u"0.00000000");
  EXPECT_EQ(RealToText(-2.0), u"-2.00000000");
  // A float widened to double shows its binary value.
  EXPECT_EQ(RealToText(static_cast<double>(0.1f)), u"0.100000001");
  EXPECT_EQ(RealToText(123456789.0), u"123456789.");
  EXPECT_EQ(RealToText(1.0e9), u"1.00000000e+009");
  EXPECT_EQ(RealToText(1.0e20), u"1.00000000e+020");
  EXPECT_EQ(RealToText(1.0e-5), u"1.00000000e-005");
  EXPECT_EQ(RealToText(1.0e300), u"1.00000000e+300");
  EXPECT_EQ(RealToText(2.5e-300), u"2.50000000e-300");
  EXPECT_EQ(RealToText(0.0001), u"0.000100000000");
}

TEST(Text, TextToIntForms) {
  EXPECT_EQ(TextToInt(u"123"), 123);
  EXPECT_EQ(TextToInt(u"  \t\n\v\f\r42xyz"), 42);
  EXPECT_EQ(TextToInt(u"-17"), -17);
  EXPECT_EQ(TextToInt(u"+17"), 17);
  EXPECT_EQ(TextToInt(u"%1011"), 11);
  EXPECT_EQ(TextToInt(u"%1012"), 5);
  EXPECT_EQ(TextToInt(u"$ff"), 255);
  EXPECT_EQ(TextToInt(u"$1A"), 26);
  EXPECT_EQ(TextToInt(u"-$10"), -16);
  EXPECT_EQ(TextToInt(u""), 0);
  EXPECT_EQ(TextToInt(u"abc"), 0);
  EXPECT_EQ(TextToInt(u"-"), 0);
  EXPECT_EQ(TextToInt(u"$"), 0);
  EXPECT_EQ(TextToInt(u"12 34"), 12);
  EXPECT_EQ(TextToInt(u"2147483647"), 2147483647);
  EXPECT_EQ(TextToInt(u"-2147483648"), INT32_MIN);
  // Too many digits wrap like a 32-bit register instead of failing.
  EXPECT_EQ(TextToInt(u"4294967297"), 1);
  EXPECT_EQ(TextToInt(u"$ffffffff"), -1);
}

TEST(Text, CompareByFirstDifferingCodeUnit) {
  EXPECT_EQ(CompareText(u"abc", u"abc"), 0);
  EXPECT_LT(CompareText(u"ab", u"abc"), 0);
  EXPECT_GT(CompareText(u"abc", u"ab"), 0);
  EXPECT_LT(CompareText(u"B", u"a"), 0);  // code units, not letters
  EXPECT_LT(CompareText(u"", u"a"), 0);
  EXPECT_GT(CompareText(u"\u0100", u"\u00ff"), 0);  // 16-bit units, not bytes
}

TEST(Text, LowerCaseTouchesOnlyAToZ) {
  EXPECT_EQ(LowerCaseText(u"ReP.REP"), u"rep.rep");
  EXPECT_EQ(LowerCaseText(u"\u00c5\u00c4\u00d6@[`{"), u"\u00c5\u00c4\u00d6@[`{");
}

TEST(Text, SlicesHeadsAndTails) {
  EXPECT_EQ(FirstCharCode(u"A"), 65);
  EXPECT_EQ(FirstCharCode(u""), -1);
  EXPECT_EQ(TextSlice(u"HELLO", 2, 3), u"ELL");
  EXPECT_EQ(TextSlice(u"HELLO", 4, 10), u"LO");
  EXPECT_EQ(TextSlice(u"HELLO", 6, 1), u"");
  EXPECT_EQ(TextSlice(u"HELLO", 0, 2), u"H");
  EXPECT_EQ(TextSlice(u"HELLO", 3, -1), u"LLO");
  EXPECT_EQ(TextHead(u"UNTITLED.rep", 8), u"UNTITLED");
  EXPECT_EQ(TextHead(u"ab", 5), u"ab");
  EXPECT_EQ(TextHead(u"ab", -1), u"");
  EXPECT_EQ(TextTail(u"UNTITLED.rep", 3), u"rep");
  EXPECT_EQ(TextTail(u"ab", 5), u"ab");
  EXPECT_EQ(TextTail(u"ab", 0), u"");
}
