// A case-insensitive comparison of code page 1250 texts in Polish alphabetical
// order (each letter with a diacritic right after its base letter), standing
// in for the platform's comparison where the platform is not at hand.
#pragma once

namespace vorlant::test {

// Negative, 0 or positive as `a` sorts before, with or after `b`.
int ComparePolish(const char* a, const char* b);

}  // namespace vorlant::test
