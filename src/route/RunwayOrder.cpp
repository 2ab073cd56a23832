// Case-insensitive character order. Only ASCII letters fold, so the order is the
// same under every locale.
#include "route/RunwayOrder.h"

namespace {

unsigned char Folded(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

int CompareListEntries(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char x = Folded(*a);
    unsigned char y = Folded(*b);
    if (x != y) return x < y ? -1 : 1;
    if (x == '\0') return 0;
  }
}
