#include "platform/case_fold.h"

namespace dorvena::platform {

CaseFold asciiCaseFold() {
  CaseFold fold{};
  for (int b = 0; b < 256; ++b)
    fold[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
  return fold;
}

CaseFold cp1254CaseFold() {
  CaseFold fold = asciiCaseFold();
  // Latin small letters 0xE0..0xFE fold to 0xC0..0xDE, as in Latin-1, except the division sign.
  for (int b = 0xE0; b <= 0xFE; ++b) {
    if (b != 0xF7) fold[b] = static_cast<unsigned char>(b - 0x20);
  }
  // Dotless i folds to I (the file-system rule), and dotted capital I stands for itself.
  fold[0xFD] = 'I';
  fold[0x9A] = 0x8A;  // š
  fold[0x9C] = 0x8C;  // œ
  fold[0xFF] = 0x9F;  // ÿ
  return fold;
}

}  // namespace dorvena::platform
