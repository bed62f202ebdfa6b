// The publisher-list filter: the steps the filter button runs through and
// the caption it shows for each.
#pragma once

#include <cstdint>
#include <string>

namespace vorlant {

class StringSource;

// Step 0 everybody, step 1 the pioneers, then one step per group and, last,
// the publishers without a group (filterGroup 0).
std::string FilterButtonText(int filterMode, std::uint8_t filterGroup, const StringSource& strings);

}  // namespace vorlant
