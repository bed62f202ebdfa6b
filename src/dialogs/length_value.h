// A length field of a dialog: examined when it loses the focus, never per
// keystroke, by the length rule of layout/length.h.
#pragma once

#include <string>
#include <string_view>

#include "layout/length.h"

namespace vorlant {

// The commit-or-restore rule of a field that keeps its last accepted value:
// `typed` becomes the value when it is accepted (normalised); otherwise the
// value stays. Either way the field shows `value` afterwards.
bool CommitOrRestore(std::string& value, std::string_view typed);

}  // namespace vorlant
