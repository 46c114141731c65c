#pragma once

#include <QChar>
#include <Qt>
#include <cstdint>
#include <optional>

namespace pz {

// The character code a key press types, as the fields' key filters expect it, or nothing
// for a key that types no character (Tab, Delete, the arrows, function keys and the
// like), which then reaches the field unfiltered.
//
// It is worked out from the key and the modifiers alone. The event's text would be
// simpler, but it differs between the X11 and the offscreen platforms (Ctrl+V carries
// "\x16" on one and "v" on the other), and the filter must decide the same everywhere.
std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren);

// The code of one character that an input method commits.
std::int16_t Zeichencode(QChar zeichen);

}  // namespace pz
