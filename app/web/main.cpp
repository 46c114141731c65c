#include "fenster.hpp"

// The window lives as long as the page; main returns, and the browser keeps the program
// running for the window's events.
int main() {
  static pz::web::Fenster fenster;
  fenster.Zeigen();
  return 0;
}
