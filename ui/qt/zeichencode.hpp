#pragma once

#include <QChar>
#include <QStringView>
#include <Qt>
#include <cstdint>
#include <optional>

namespace pz {

// The character code a key press types, as the fields' key filters expect it, or nothing
// for a key that types no character (Tab, Delete, the arrows, function keys and the
// like), which then reaches the field unfiltered. A code of 0 is a key that types nothing
// on Windows although Qt's field would insert its text; the field must not see it.
//
// The code is the character the field would insert, taken from the event's text, so that
// a digit of another script is not taken for "0"-"9". Where the text differs between the
// X11 and the offscreen platforms (Ctrl+V carries "\x16" on one and "v" on the other),
// the key decides.
std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren,
                                        QStringView text);

// The code of one character that an input method commits.
std::int16_t Zeichencode(QChar zeichen);

}  // namespace pz
