#include "core/pruefziffer.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pz {
namespace {

PrüfRechner Geladen() {
  PrüfRechner r;
  r.Laden();
  return r;
}

TEST(Gewichte, LoadGivesSevenThreeOneFromTheFirstPosition) {
  // Index (i mod 3): position 1 -> index 1, position 3 -> index 0.
  const auto r = Geladen();
  EXPECT_EQ(r.Gewichte()[1], 7);
  EXPECT_EQ(r.Gewichte()[2], 3);
  EXPECT_EQ(r.Gewichte()[0], 1);
}

struct Beispiel {
  std::u16string eingabe;
  std::u16string ziffer;
  std::u16string danach;  // what the caller's variable holds afterwards
};

class PrüfZifferBeispiele : public testing::TestWithParam<Beispiel> {};

TEST_P(PrüfZifferBeispiele, GivesTheDigitAndLeavesTheTextTrimmed) {
  const auto r = Geladen();
  std::u16string text = GetParam().eingabe;
  EXPECT_EQ(r.PrüfZiffer(text), GetParam().ziffer);
  EXPECT_EQ(text, GetParam().danach);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PrüfZifferBeispiele,
    testing::Values(Beispiel{u"123456789", u"7", u"123456789"},
                    Beispiel{u"520727", u"3", u"520727"}, Beispiel{u"101231", u"2", u"101231"},
                    Beispiel{u"123456789752072731012312", u"6", u"123456789752072731012312"},
                    Beispiel{u"7", u"9", u"7"}, Beispiel{u"1", u"7", u"1"},
                    Beispiel{u"12A4", u"1", u"12A4"}, Beispiel{u" 123", u"6", u"123"},
                    Beispiel{u"123 ", u"6", u"123"}, Beispiel{u"  123  ", u"6", u"123"},
                    Beispiel{u"1 23", u"0", u"1 23"}, Beispiel{u"", u"0", u""},
                    Beispiel{u"   ", u"0", u""}));

// Only the space is a blank: a tab keeps its place and shifts the weights behind it.
INSTANTIATE_TEST_SUITE_P(OnlySpacesAreTrimmed, PrüfZifferBeispiele,
                         testing::Values(Beispiel{u"\t7", u"1", u"\t7"},
                                         Beispiel{u"7\t", u"9", u"7\t"},
                                         Beispiel{u" \t7 ", u"1", u"\t7"},
                                         Beispiel{u"\u00A07", u"1", u"\u00A07"}));

// Letters are not valued 10-35 as in the travel document standard; every non-digit,
// including digits of other scripts, counts 0.
INSTANTIATE_TEST_SUITE_P(NonDigitsCountZero, PrüfZifferBeispiele,
                         testing::Values(Beispiel{u"D", u"0", u"D"}, Beispiel{u"-", u"0", u"-"},
                                         Beispiel{u"+", u"0", u"+"}, Beispiel{u".", u"0", u"."},
                                         Beispiel{u"&", u"0", u"&"}, Beispiel{u"A9", u"7", u"A9"},
                                         Beispiel{u"\u06617", u"1", u"\u06617"},
                                         Beispiel{u"\uFF17", u"0", u"\uFF17"}));

// A straightforward sum in 64 bits, with no reduction, to check long texts against.
std::u16string Referenz(const std::u16string& text) {
  const int gewicht[] = {7, 3, 1};
  std::uint64_t summe = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= u'0' && c <= u'9') {
      summe += static_cast<std::uint64_t>(gewicht[i % 3] * (c - u'0'));
    }
  }
  return std::u16string(1, static_cast<char16_t>(u'0' + summe % 10));
}

TEST(PrüfZifferLimits, NoTextMakesItFail) {
  const auto r = Geladen();

  // 993 nines: the first weighted sum (32,769) that a 16-bit sum could not hold.
  std::u16string neunen(993, u'9');
  EXPECT_EQ(r.PrüfZiffer(neunen), u"9");

  // Far past a 16-bit length and counter.
  std::u16string lang;
  for (int i = 0; i < 200'003; ++i) {
    lang += static_cast<char16_t>(u'0' + (i * 7 + 3) % 10);
  }
  const std::u16string erwartet = Referenz(lang);
  std::u16string kopie = lang;
  EXPECT_EQ(r.PrüfZiffer(kopie), erwartet);
  EXPECT_EQ(kopie, lang);

  std::u16string genau32767(32'767, u'9');
  EXPECT_EQ(r.PrüfZiffer(genau32767), Referenz(std::u16string(32'767, u'9')));
}

}  // namespace
}  // namespace pz
