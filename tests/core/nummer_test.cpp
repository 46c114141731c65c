#include "core/nummer.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/pruefziffer.hpp"

namespace pz {
namespace {

// Nine plain texts; a read of Text1 counts as a fault, since the number takes the
// constant "D" and never the field.
class Felder : public FeldAnsicht {
 public:
  Felder(std::u16string bkz, std::u16string ser, std::u16string geb, std::u16string abl) {
    t_[Nummer(Feld::Text1)] = u"D";
    t_[Nummer(Feld::txtBehördenKennZahl)] = std::move(bkz);
    t_[Nummer(Feld::txtSeriennr)] = std::move(ser);
    t_[Nummer(Feld::txtGeburt)] = std::move(geb);
    t_[Nummer(Feld::txtAblauf)] = std::move(abl);
  }
  std::u16string Text(Feld f) const override {
    if (f == Feld::Text1) {
      ADD_FAILURE() << "Text1 was read";
    }
    return t_[Nummer(f)];
  }
  void SetzeText(Feld f, const std::u16string& text) override {
    EXPECT_NE(f, Feld::Text1);
    t_[Nummer(f)] = text;
  }
  const std::u16string& operator[](Feld f) const { return t_[Nummer(f)]; }
  std::u16string& operator[](Feld f) { return t_[Nummer(f)]; }

 private:
  std::array<std::u16string, AnzahlFelder> t_;
};

struct Fall {
  const char* name;
  std::u16string bkz, ser, geb, abl;
  std::u16string pzBkz, pzGeb, pzAbl, pzGesamt;
  std::u16string ganz;
};

void PrintTo(const Fall& f, std::ostream* os) {
  *os << f.name;
}

class PZsFälle : public testing::TestWithParam<Fall> {};

TEST_P(PZsFälle, OneCallFillsEveryCheckDigitAndTheWholeNumber) {
  const Fall& f = GetParam();
  Felder felder(f.bkz, f.ser, f.geb, f.abl);
  PrüfRechner r;
  r.Laden();
  r.PZs(felder);

  EXPECT_EQ(felder[Feld::txtPZBKZ_Seriennr], f.pzBkz);
  EXPECT_EQ(felder[Feld::txtPZGeburt], f.pzGeb);
  EXPECT_EQ(felder[Feld::txtPZAblauf], f.pzAbl);
  EXPECT_EQ(felder[Feld::txtPZgesamt], f.pzGesamt);
  EXPECT_EQ(GanzeNummer(felder), f.ganz);
  // The trimming works on copies: the input fields keep their texts.
  EXPECT_EQ(felder[Feld::txtBehördenKennZahl], f.bkz);
  EXPECT_EQ(felder[Feld::txtSeriennr], f.ser);
  EXPECT_EQ(felder[Feld::txtGeburt], f.geb);
  EXPECT_EQ(felder[Feld::txtAblauf], f.abl);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PZsFälle,
    testing::Values(Fall{"Example", u"1234", u"56789", u"520727", u"101231", u"7", u"3", u"2", u"6",
                         u"1234567897D520727310123126"},
                    Fall{"Published1", u"1220", u"00129", u"640812", u"171031", u"7", u"5", u"9",
                         u"8", u"1220001297D640812517103198"},
                    Fall{"Published2", u"2406", u"05568", u"681020", u"070510", u"4", u"3", u"9",
                         u"6", u"2406055684D681020307051096"},
                    // "D" takes no position in the overall digit; as a weighted 0 it would give 4.
                    Fall{"NationalityHasNoPosition", u"1220", u"01085", u"640812", u"111007", u"5",
                         u"5", u"8", u"6", u"1220010855D640812511100786"},
                    // Nine characters with the blank, so the length test passes; the block digit is
                    // taken over the eight digits, the overall one over the text whose leading
                    // blank the computation drops.
                    Fall{"PastedBlankBeforeAuthorityCode", u" 123", u"56789", u"520727", u"101231",
                         u"9", u"3", u"2", u"4", u" 123567899D520727310123124"},
                    Fall{"BlankBehindAuthorityCode", u"123 ", u"56789", u"520727", u"101231", u"9",
                         u"3", u"2", u"2", u"123 567899D520727310123122"},
                    Fall{"LetterInSerial", u"1234", u"5A789", u"520727", u"101231", u"1", u"3",
                         u"2", u"8", u"12345A7891D520727310123128"},
                    Fall{"BlanksInDates", u"1234", u"56789", u" 20727", u"10123 ", u"7", u"6", u"1",
                         u"6", u"1234567897D 20727610123 16"},
                    // Eight characters fail the length test; without the first block digit the
                    // overall digit is not formed either.
                    Fall{"LengthEight", u"1234", u"5678", u"520727", u"101231", u"", u"3", u"2",
                         u"", u"12345678D52072731012312"},
                    Fall{"LengthEightOtherWay", u"123", u"56789", u"520727", u"101231", u"", u"3",
                         u"2", u"", u"12356789D52072731012312"},
                    Fall{"BirthIncomplete", u"1234", u"56789", u"52072", u"101231", u"7", u"", u"2",
                         u"", u"1234567897D520721012312"},
                    Fall{"NothingComplete", u"12", u"", u"5", u"10123", u"", u"", u"", u"",
                         u"12D510123"}),
    [](const testing::TestParamInfo<Fall>& p) { return std::string(p.param.name); });

TEST(PZs, NeverEmptiesAFieldAndRecomputesEveryCompleteBlock) {
  Felder felder(u"1234", u"5678", u"52072", u"101231");
  felder[Feld::txtPZBKZ_Seriennr] = u"x";
  felder[Feld::txtPZGeburt] = u"y";
  felder[Feld::txtPZAblauf] = u"z";
  felder[Feld::txtPZgesamt] = u"w";
  PrüfRechner r;
  r.Laden();
  r.PZs(felder);
  EXPECT_EQ(felder[Feld::txtPZBKZ_Seriennr], u"x");
  EXPECT_EQ(felder[Feld::txtPZGeburt], u"y");
  EXPECT_EQ(felder[Feld::txtPZAblauf], u"2");
  // Three block digits present, so the overall digit is formed over what stands there,
  // incomplete inputs and stale digits included.
  // 1234 5678 x 52072 y 101231 2: weighted sum 280.
  EXPECT_EQ(felder[Feld::txtPZgesamt], u"0");
}

TEST(PZs, KeepsTheOldOverallDigitWhileABlockDigitIsMissing) {
  Felder felder(u"1234", u"56789", u"520727", u"101231");
  felder[Feld::txtPZgesamt] = u"5";
  felder[Feld::txtPZGeburt] = u"";
  felder[Feld::txtGeburt] = u"52072";
  PrüfRechner r;
  r.Laden();
  r.PZs(felder);
  EXPECT_EQ(felder[Feld::txtPZgesamt], u"5");
}

struct BlockFall {
  const char* name;
  std::u16string bkz, ser, geb, abl, pzBkz, pzGeb, pzAbl, pzGesamt;
  std::array<std::u16string, 3> blöcke;
  std::u16string ganz;
};

void PrintTo(const BlockFall& f, std::ostream* os) {
  *os << f.name;
}

class BlockFälle : public testing::TestWithParam<BlockFall> {};

TEST_P(BlockFälle, JoinFieldsAsTheyStand) {
  const BlockFall& f = GetParam();
  Felder felder(f.bkz, f.ser, f.geb, f.abl);
  felder[Feld::txtPZBKZ_Seriennr] = f.pzBkz;
  felder[Feld::txtPZGeburt] = f.pzGeb;
  felder[Feld::txtPZAblauf] = f.pzAbl;
  felder[Feld::txtPZgesamt] = f.pzGesamt;
  for (std::size_t i = 0; i < AnzahlBlöcke; ++i) {
    EXPECT_EQ(Block(felder, i), f.blöcke[i]) << "block " << i;
  }
  EXPECT_EQ(GanzeNummer(felder), f.ganz);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layouts, BlockFälle,
    testing::Values(
        //        name                           bkz      ser       geb       abl        pz:bkz geb  abl  ges   blocks                                    whole
        BlockFall{"Complete",                    u"1234", u"56789", u"520727", u"101231", u"7", u"3", u"2", u"6", {u"1234567897", u"5207273", u"10123126"}, u"1234567897D520727310123126"},
        BlockFall{"Empty",                       u"",     u"",      u"",       u"",       u"",  u"",  u"",  u"",  {u"", u"", u""},                          u"D"},
        BlockFall{"OnlyAuthorityCode",           u"1234", u"",      u"",       u"",       u"",  u"",  u"",  u"",  {u"1234", u"", u""},                      u"1234D"},
        BlockFall{"BirthShortenedAfterComplete", u"1234", u"56789", u"52072",  u"101231", u"7", u"",  u"2", u"6", {u"1234567897", u"52072", u"10123126"},   u"1234567897D5207210123126"},
        BlockFall{"NoOverallDigitYet",           u"1234", u"56789", u"",       u"101231", u"7", u"",  u"2", u"",  {u"1234567897", u"", u"1012312"},         u"1234567897D1012312"},
        BlockFall{"Untrimmed",                   u" 123", u"5A789", u" 2072",  u"",       u"1", u"",  u"",  u"",  {u" 1235A7891", u" 2072", u""},           u" 1235A7891D 2072"}),
    [](const testing::TestParamInfo<BlockFall>& p) { return std::string(p.param.name); });
// clang-format on

TEST(Layout, FullLengthsAndDependentCheckDigits) {
  EXPECT_EQ(VolleLänge(Feld::txtBehördenKennZahl), 4U);
  EXPECT_EQ(VolleLänge(Feld::txtSeriennr), 5U);
  EXPECT_EQ(VolleLänge(Feld::txtGeburt), 6U);
  EXPECT_EQ(VolleLänge(Feld::txtAblauf), 6U);
  EXPECT_EQ(AbhängigePrüfziffer(Feld::txtBehördenKennZahl), Feld::txtPZBKZ_Seriennr);
  EXPECT_EQ(AbhängigePrüfziffer(Feld::txtSeriennr), Feld::txtPZBKZ_Seriennr);
  EXPECT_EQ(AbhängigePrüfziffer(Feld::txtGeburt), Feld::txtPZGeburt);
  EXPECT_EQ(AbhängigePrüfziffer(Feld::txtAblauf), Feld::txtPZAblauf);
}

}  // namespace
}  // namespace pz
