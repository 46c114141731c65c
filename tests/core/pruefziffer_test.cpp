#include "pruefziffer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace pz {
namespace {

TEST(PrüfZiffer, LiefertDieZifferUndLässtDenTextGetrimmt) {
  PrüfRechner r;
  r.Laden();
  // text, its check digit, the text as trimmed
  const std::tuple<std::u16string, std::u16string, std::u16string> fälle[] = {
      // clang-format off
      {u"123456789", u"7", u"123456789"}, {u"520727", u"3", u"520727"}, {u"7", u"9", u"7"},
      {u"123456789752072731012312", u"6", u"123456789752072731012312"}, {u"   ", u"0", u""},
      // Only spaces are trimmed; a blank inside, a tab or a no-break space keeps its position
      // and counts 0.
      {u"  123 ", u"6", u"123"}, {u"1 23", u"0", u"1 23"}, {u" \t7\t ", u"1", u"\t7\t"},
      {u"\u00A07", u"1", u"\u00A07"},
      // Letters are not valued 10-35 as in the travel document standard, and digits of other
      // scripts are no digits.
      {u"12A4", u"1", u"12A4"}, {u"\u06617", u"1", u"\u06617"},
      // Neither a sum past 32,767 nor a length past 16 bits makes it fail: 993 nines sum to
      // 32,769; 200,001 ones to 66,667 * 11 = 733,337.
      {std::u16string(993, u'9'), u"9", std::u16string(993, u'9')},
      {std::u16string(200'001, u'1'), u"7", std::u16string(200'001, u'1')},
      // clang-format on
  };
  for (const auto& [eingabe, ziffer, danach] : fälle) {
    std::u16string text = eingabe;
    EXPECT_EQ(r.PrüfZiffer(text), ziffer) << std::string(eingabe.begin(), eingabe.end());
    EXPECT_EQ(text, danach);
  }
}

}  // namespace
}  // namespace pz
