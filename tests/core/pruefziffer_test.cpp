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

struct Beispiel {
  std::u16string eingabe, ziffer, danach;  // danach: the caller's text afterwards
};
void PrintTo(const Beispiel& b, std::ostream* os) {
  *os << std::string(b.eingabe.begin(), b.eingabe.end());
}

class PrüfZifferBeispiele : public testing::TestWithParam<Beispiel> {};

TEST_P(PrüfZifferBeispiele, GivesTheDigitAndLeavesTheTextTrimmed) {
  std::u16string text = GetParam().eingabe;
  EXPECT_EQ(Geladen().PrüfZiffer(text), GetParam().ziffer);
  EXPECT_EQ(text, GetParam().danach);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, PrüfZifferBeispiele, testing::Values(
    Beispiel{u"123456789", u"7", u"123456789"},
    Beispiel{u"520727", u"3", u"520727"},
    Beispiel{u"101231", u"2", u"101231"},
    Beispiel{u"123456789752072731012312", u"6", u"123456789752072731012312"},
    Beispiel{u"7", u"9", u"7"},
    Beispiel{u"", u"0", u""},
    Beispiel{u"   ", u"0", u""},
    // Only spaces are trimmed; a blank inside, a tab or a no-break space keeps its place.
    Beispiel{u"  123 ", u"6", u"123"},
    Beispiel{u"1 23", u"0", u"1 23"},
    Beispiel{u" \t7 ", u"1", u"\t7"},
    Beispiel{u"\u00A07", u"1", u"\u00A07"},
    // Letters are not valued 10-35 as in the travel document standard: every non-digit,
    // digits of other scripts included, counts 0 and keeps its position.
    Beispiel{u"12A4", u"1", u"12A4"},
    Beispiel{u"D", u"0", u"D"},
    Beispiel{u"&", u"0", u"&"},
    Beispiel{u"\u06617", u"1", u"\u06617"},
    Beispiel{u"\uFF17", u"0", u"\uFF17"}));
// clang-format on

// A plain sum in 64 bits, with no reduction, to check long texts against.
std::u16string Referenz(const std::u16string& text) {
  const int gewicht[] = {7, 3, 1};
  std::uint64_t summe = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= u'0' && text[i] <= u'9') {
      summe += static_cast<std::uint64_t>(gewicht[i % 3] * (text[i] - u'0'));
    }
  }
  return std::u16string(1, static_cast<char16_t>(u'0' + summe % 10));
}

// Neither a sum past 32,767 (993 nines) nor a text past a 16-bit length makes it fail.
TEST(PrüfZifferLimits, NoTextMakesItFail) {
  const auto r = Geladen();
  std::u16string neunen(993, u'9');
  EXPECT_EQ(r.PrüfZiffer(neunen), u"9");

  std::u16string lang;
  for (int i = 0; i < 200'003; ++i) {
    lang += static_cast<char16_t>(u'0' + (i * 7 + 3) % 10);
  }
  std::u16string kopie = lang;
  EXPECT_EQ(r.PrüfZiffer(kopie), Referenz(lang));
  std::u16string genau(32'767, u'9');
  EXPECT_EQ(r.PrüfZiffer(genau), Referenz(genau));
}

}  // namespace
}  // namespace pz
