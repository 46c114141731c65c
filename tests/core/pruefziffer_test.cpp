#include "pruefziffer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "nummer.hpp"

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
      // clang-format on
  };
  for (const auto& [eingabe, ziffer, danach] : fälle) {
    std::u16string text = eingabe;
    EXPECT_EQ(r.PrüfZiffer(text), ziffer) << std::string(eingabe.begin(), eingabe.end());
    EXPECT_EQ(text, danach);
  }
  // Neither a sum past 32,767 nor a length past 16 bits makes it fail:
  // 993 nines sum to 32,769; 200,001 ones to 66,667 * 11 = 733,337.
  std::u16string neunen(993, u'9'), einsen(200'001, u'1');
  EXPECT_EQ(r.PrüfZiffer(neunen), u"9");
  EXPECT_EQ(r.PrüfZiffer(einsen), u"7");
}

// The nine field texts. Reading Text1 is a fault: the number takes the constant "D".
struct Felder : FeldAnsicht {
  std::array<std::u16string, AnzahlFelder> t;
  std::u16string Text(Feld f) const override {
    EXPECT_NE(f, Feld::Text1);
    return t[FeldIndex(f)];
  }
  void SetzeText(Feld f, const std::u16string& text) override { t[FeldIndex(f)] = text; }
};

// The whole number after one refresh of the given inputs and check digit fields.
std::u16string NachRefresh(std::array<std::u16string, 7> t) {
  Felder f;
  std::copy(t.begin(), t.end(), f.t.begin());
  PrüfRechner r;
  r.Laden();
  r.PZs(f);
  EXPECT_EQ(f.t[0], t[0]);  // the trimming works on copies
  return GanzeNummer(f);
}

TEST(PZs, EinDurchlaufFülltJedeVollständigePrüfziffer) {
  const std::array<std::u16string, 5> fälle[] = {
      // bkz, ser, geb, abl, the whole number
      {u"1234", u"56789", u"520727", u"101231", u"1234567897D520727310123126"},
      // "D" takes no position in the overall digit: as a weighted 0 it would make it 4.
      {u"1220", u"01085", u"640812", u"111007", u"1220010855D640812511100786"},
      // Nine characters with the blanks pass the length test; the block digit is taken over
      // the eight digits, each field trimmed by itself, the overall one over the text as it
      // stands, where a blank inside counts 0.
      {u"123 ", u"5678 ", u"520727", u"101231", u"123 5678 2D520727310123124"},
      {u"1234", u"5A789", u"520727", u"101231", u"12345A7891D520727310123128"},
      {u"1234", u"56789", u" 20727", u"10123 ", u"1234567897D 20727610123 16"},
      // Eight characters fail the length test, and so the overall digit is not formed.
      {u"1234", u"5678", u"520727", u"101231", u"12345678D52072731012312"},
      {u"1234", u"56789", u"52072", u"101231", u"1234567897D520721012312"},
      {u"1234", u"56789", u"520727", u"10123", u"1234567897D520727310123"},
  };
  for (const auto& [bkz, ser, geb, abl, ganz] : fälle) {
    EXPECT_EQ(NachRefresh({bkz, ser, u"", u"D", geb, u"", abl}), ganz);
  }
  // A refresh never empties a field, and the overall digit is formed over what stands.
  EXPECT_EQ(NachRefresh({u"1234", u"5678", u"x", u"D", u"52072", u"y", u"101231"}),
            u"12345678xD52072y10123120");
}

}  // namespace
}  // namespace pz
