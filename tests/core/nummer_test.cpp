#include "core/nummer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/pruefziffer.hpp"

namespace pz {
namespace {

// Nine plain texts. Reading Text1 is a fault: the number takes the constant "D".
class Felder : public FeldAnsicht {
 public:
  Felder(std::u16string bkz, std::u16string ser, std::u16string geb, std::u16string abl) {
    t_ = {std::move(bkz), std::move(ser), u"", u"D", std::move(geb), u"", std::move(abl)};
  }
  std::u16string Text(Feld f) const override {
    EXPECT_NE(f, Feld::Text1) << "Text1 was read";
    return t_[Nummer(f)];
  }
  void SetzeText(Feld f, const std::u16string& text) override { t_[Nummer(f)] = text; }
  std::u16string& operator[](Feld f) { return t_[Nummer(f)]; }

 private:
  std::array<std::u16string, AnzahlFelder> t_;
};

struct Fall {
  const char* name;
  std::u16string bkz, ser, geb, abl;
  std::u16string ganz;  // the whole number after one refresh, all four check digits in it
};
void PrintTo(const Fall& f, std::ostream* os) {
  *os << f.name;
}

class PZsFälle : public testing::TestWithParam<Fall> {};

TEST_P(PZsFälle, OneRefreshFillsTheCheckDigitsAndLeavesTheInputs) {
  const Fall& f = GetParam();
  Felder felder(f.bkz, f.ser, f.geb, f.abl);
  PrüfRechner r;
  r.Laden();
  r.PZs(felder);
  EXPECT_EQ(GanzeNummer(felder), f.ganz);
  // The trimming works on copies.
  EXPECT_EQ(felder[Feld::txtBehördenKennZahl], f.bkz);
  EXPECT_EQ(felder[Feld::txtGeburt], f.geb);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, PZsFälle, testing::Values(
    Fall{"Example",    u"1234", u"56789", u"520727", u"101231", u"1234567897D520727310123126"},
    Fall{"Published1", u"1220", u"00129", u"640812", u"171031", u"1220001297D640812517103198"},
    Fall{"Published2", u"2406", u"05568", u"681020", u"070510", u"2406055684D681020307051096"},
    // "D" takes no position in the overall digit; as a weighted 0 it would make it 4.
    Fall{"NationalityHasNoPosition", u"1220", u"01085", u"640812", u"111007", u"1220010855D640812511100786"},
    // Nine characters with the blank pass the length test; the block digit is taken over
    // the eight digits, the overall one over the text whose leading blank is dropped.
    Fall{"PastedBlankBeforeCode", u" 123", u"56789", u"520727", u"101231", u" 123567899D520727310123124"},
    Fall{"BlankBehindCode",       u"123 ", u"56789", u"520727", u"101231", u"123 567899D520727310123122"},
    Fall{"LetterInSerial",        u"1234", u"5A789", u"520727", u"101231", u"12345A7891D520727310123128"},
    Fall{"BlanksInDates",         u"1234", u"56789", u" 20727", u"10123 ", u"1234567897D 20727610123 16"},
    // Eight characters fail the length test, and without that digit there is no overall one.
    Fall{"LengthEight",     u"1234", u"5678",  u"520727", u"101231", u"12345678D52072731012312"},
    Fall{"BirthIncomplete", u"1234", u"56789", u"52072",  u"101231", u"1234567897D520721012312"},
    Fall{"NothingComplete", u"12",   u"",      u"5",      u"10123",  u"12D510123"}),
    [](const testing::TestParamInfo<Fall>& p) { return std::string(p.param.name); });
// clang-format on

TEST(PZs, NeverEmptiesAFieldAndFormsTheOverallDigitOverWhatStands) {
  Felder felder(u"1234", u"5678", u"52072", u"101231");
  felder[Feld::txtPZBKZ_Seriennr] = u"x";
  felder[Feld::txtPZGeburt] = u"y";
  felder[Feld::txtPZgesamt] = u"w";
  PrüfRechner r;
  r.Laden();
  r.PZs(felder);
  EXPECT_EQ(felder[Feld::txtPZBKZ_Seriennr], u"x");
  EXPECT_EQ(felder[Feld::txtPZGeburt], u"y");
  EXPECT_EQ(felder[Feld::txtPZAblauf], u"2");
  // Step 4 sees the digit step 3 just wrote: 12345678x52072y1012312 sums to 280.
  EXPECT_EQ(felder[Feld::txtPZgesamt], u"0");
}

TEST(Blocks, JoinTheFieldsAsTheyStand) {
  Felder felder(u" 123", u"5A789", u" 2072", u"101231");
  felder[Feld::txtPZBKZ_Seriennr] = u"1";
  felder[Feld::txtPZgesamt] = u"6";
  EXPECT_EQ(Block(felder, 0), u" 1235A7891");
  EXPECT_EQ(Block(felder, 1), u" 2072");
  EXPECT_EQ(Block(felder, 2), u"1012316");  // ends with the overall digit
  EXPECT_EQ(GanzeNummer(felder), u" 1235A7891D 20721012316");
  EXPECT_EQ(GanzeNummer(Felder(u"", u"", u"", u"")), u"D");
}

}  // namespace
}  // namespace pz
