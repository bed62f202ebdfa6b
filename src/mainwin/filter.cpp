#include "mainwin/filter.h"

#include "common/string_source.h"
#include "resources/resource.h"

namespace vorlant {

std::string FilterButtonText(int filterMode, std::uint8_t filterGroup, const StringSource& strings) {
    if (filterMode == 0) return strings.Load(IDS_FILTER_ALL);
    if (filterMode == 1) return strings.Load(IDS_FILTER_PIONEERS);
    if (filterGroup == 0) return strings.Load(IDS_FILTER_UNGROUPED);
    return strings.Load(IDS_FILTER_GROUP) + " " + std::to_string(filterMode - 1);
}

}  // namespace vorlant
