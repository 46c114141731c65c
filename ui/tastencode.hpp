#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pz {

// The codes of Windows' typed characters that the front ends give names to.
inline constexpr std::int16_t Backspace = 8;
inline constexpr std::int16_t Zeilenvorschub = 10;
inline constexpr std::int16_t Wagenrücklauf = 13;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Entf = 127;

// A key press, as far as the character a Windows edit receives for it depends on it.
struct Tastendruck {
  enum class Art { Rückschritt, Eingabe, Esc, Andere };
  Art art = Art::Andere;
  char16_t buchstabe = u'\0';   // 'a' to 'z' for a letter key, whatever the layout makes of it
  std::u16string_view zeichen;  // what the field would insert; empty for a key that types nothing
  bool strg = false;            // Command on a Mac counts as Ctrl, so Cmd+V is cancelled as Ctrl+V
  bool alt = false;
};

// The code of the character a key types on Windows, which is what the fields' key filters
// judge, or nothing for a key that types none (Tab, Delete, the arrows, a dead key) and
// reaches the field unfiltered. A code of 0 is a key that types nothing on Windows although
// a toolkit's field would insert its character; the field must not see it.
std::optional<std::int16_t> Tastencode(const Tastendruck& taste);

// The code of one character, as an input method commits it.
std::int16_t Zeichencode(char16_t zeichen);

}  // namespace pz
