#include "ui/qt/zeichencode.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace pz {
namespace {

TEST(ZeichencodeTest, FolgtAusTasteUndModifikatoren) {
  constexpr Qt::KeyboardModifiers Ohne = Qt::NoModifier, Strg = Qt::ControlModifier,
                                  Umschalt = Qt::ShiftModifier, Block = Qt::KeypadModifier;
  const std::optional<std::int16_t> Nichts;  // left to the field, past the filter
  const struct {
    int taste;
    Qt::KeyboardModifiers modifikatoren;
    std::optional<std::int16_t> code;
  } fälle[] = {
      // clang-format off
      {Qt::Key_0, Ohne, 48}, {Qt::Key_9, Ohne, 57}, {Qt::Key_5, Block, 53},
      {Qt::Key_Backspace, Ohne, 8}, {Qt::Key_Return, Ohne, 13}, {Qt::Key_Enter, Block, 13},
      {Qt::Key_Escape, Ohne, 27}, {Qt::Key_A, Strg, 1}, {Qt::Key_V, Strg, 22},
      {Qt::Key_Z, Strg | Umschalt, 26}, {Qt::Key_5, Strg, Nichts},
      // Qt's delete-word and new-line must not slip past a full field's filter.
      {Qt::Key_Backspace, Strg, 127}, {Qt::Key_Return, Strg, 10},
      {Qt::Key_A, Ohne, 'a'}, {Qt::Key_A, Umschalt, 'A'}, {Qt::Key_Adiaeresis, Ohne, 0xe4},
      {Qt::Key_Space, Ohne, 32}, {Qt::Key_Slash, Umschalt, '/'}, {0x20ac, Ohne, 0x20ac},
      // Beyond the signed 16-bit range a character must not wrap round into a digit.
      {0xff10, Ohne, 63},
      {Qt::Key_Tab, Ohne, Nichts}, {Qt::Key_Backtab, Umschalt, Nichts},
      {Qt::Key_Delete, Ohne, Nichts}, {Qt::Key_Left, Ohne, Nichts},
      {Qt::Key_End, Umschalt, Nichts}, {Qt::Key_F5, Ohne, Nichts},
      {Qt::Key_Insert, Umschalt, Nichts}, {Qt::Key_Shift, Umschalt, Nichts},
      // clang-format on
  };
  for (const auto& f : fälle) {
    EXPECT_EQ(Zeichencode(f.taste, f.modifikatoren), f.code)
        << std::hex << "key 0x" << f.taste << " with modifiers 0x" << f.modifikatoren.toInt();
  }
}

}  // namespace
}  // namespace pz
