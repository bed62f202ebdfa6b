// Bad congregations for the soak test: files that the companion program
// would never write, built from a good congregation by a seed's choice of
// damage. The program must survive each of them: no crash, no hang, the data
// files untouched.
#pragma once

#include <string>

#include "congregation.h"

namespace vorlant::gen {

// The congregation of `seed` and a line saying which damage it took. Only
// the files are set; the expectations of a good congregation are not.
struct GarbageCongregation {
    Congregation congregation;
    std::string damage;
};

GarbageCongregation GenerateGarbage(unsigned seed);

}  // namespace vorlant::gen
