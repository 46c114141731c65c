#pragma once

#include <QStringView>
#include <Qt>
#include <cstdint>
#include <optional>

namespace pz {

// The code a Qt key press types, as on Windows (see tastencode.hpp). The character is the
// one the field would insert, taken from the event's text, so that a digit of another
// script is not taken for "0"-"9". Where the text differs between the X11 and the
// offscreen platforms (Ctrl+V carries "\x16" on one and "v" on the other), the key decides.
std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren,
                                        QStringView text);

}  // namespace pz
