#include "ui/qt/zeichencode.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace pz {
namespace {

struct Fall {
  const char* name;
  int taste;
  Qt::KeyboardModifiers modifikatoren;
  std::optional<std::int16_t> code;
};

const Fall Fälle[] = {
    {"Ziffer0", Qt::Key_0, Qt::NoModifier, 48},
    {"Ziffer9", Qt::Key_9, Qt::NoModifier, 57},
    {"ZifferblockZiffer", Qt::Key_5, Qt::KeypadModifier, 53},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, 8},
    {"Return", Qt::Key_Return, Qt::NoModifier, 13},
    {"EnterAmZiffernblock", Qt::Key_Enter, Qt::KeypadModifier, 13},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, 27},
    {"StrgA", Qt::Key_A, Qt::ControlModifier, 1},
    {"StrgC", Qt::Key_C, Qt::ControlModifier, 3},
    {"StrgV", Qt::Key_V, Qt::ControlModifier, 22},
    {"StrgX", Qt::Key_X, Qt::ControlModifier, 24},
    {"StrgZ", Qt::Key_Z, Qt::ControlModifier, 26},
    {"StrgUmschaltZ", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 26},
    {"StrgBackspaceLoeschtKeinWortAmFilterVorbei", Qt::Key_Backspace, Qt::ControlModifier, 127},
    {"StrgZifferTipptNichts", Qt::Key_5, Qt::ControlModifier, std::nullopt},
    {"Kleinbuchstabe", Qt::Key_A, Qt::NoModifier, 'a'},
    {"Grossbuchstabe", Qt::Key_A, Qt::ShiftModifier, 'A'},
    {"Umlaut", Qt::Key_Adiaeresis, Qt::NoModifier, 0xe4},
    {"Leerzeichen", Qt::Key_Space, Qt::NoModifier, 32},
    {"Zeichen", Qt::Key_Slash, Qt::ShiftModifier, '/'},
    {"Euro", 0x20ac, Qt::NoModifier, 0x20ac},
    {"VollbreiteZifferWirdKeineZiffer", 0xff10, Qt::NoModifier, 63},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, std::nullopt},
    {"UmschaltTab", Qt::Key_Backtab, Qt::ShiftModifier, std::nullopt},
    {"Entf", Qt::Key_Delete, Qt::NoModifier, std::nullopt},
    {"Pfeil", Qt::Key_Left, Qt::NoModifier, std::nullopt},
    {"Pos1", Qt::Key_Home, Qt::NoModifier, std::nullopt},
    {"Ende", Qt::Key_End, Qt::ShiftModifier, std::nullopt},
    {"Funktionstaste", Qt::Key_F5, Qt::NoModifier, std::nullopt},
    {"UmschaltEinfgFuegtUngefiltertEin", Qt::Key_Insert, Qt::ShiftModifier, std::nullopt},
    {"ModifikatorAllein", Qt::Key_Shift, Qt::ShiftModifier, std::nullopt},
};

void PrintTo(const Fall& f, std::ostream* aus) {
  *aus << f.name;
}

class ZeichencodeTest : public ::testing::TestWithParam<Fall> {};

TEST_P(ZeichencodeTest, FolgtAusTasteUndModifikatoren) {
  const Fall& f = GetParam();
  EXPECT_EQ(Zeichencode(f.taste, f.modifikatoren), f.code);
}

INSTANTIATE_TEST_SUITE_P(Tasten, ZeichencodeTest, ::testing::ValuesIn(Fälle),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace pz
