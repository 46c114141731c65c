// Run by node when the page is built: prints the window's style sheet and its markup, a
// line each, for seite_bauen.mjs to put into the page.
#include <cstdio>

#include "werkzeug.hpp"

int main() {
  const pz::web::Vorlage vorlage = pz::web::Entwerfen();
  std::fputs(vorlage.stil.c_str(), stdout);
  std::fputs("\n", stdout);
  std::fputs(vorlage.markup.c_str(), stdout);
  std::fputs("\n", stdout);
  return 0;
}
