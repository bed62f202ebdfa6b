// Lengths typed by the user: page margins and card positions in inches,
// held as text of one digit, a point and two digits ("2.62"). A field is
// examined when it loses the focus, never per keystroke.
#pragma once

#include <string>
#include <string_view>

namespace vorlant {

// Brings a typed length into its canonical form in place: "7" -> "7.00",
// ".25" -> "0.25", "125" -> "1.25", blanks -> "0.00". False when the text
// cannot be read as a length below 10 inches (more than one point, two
// digits before the point, any character other than a digit or the point);
// the text is then left as it was. Showing the rejection is the caller's
// part.
bool NormalizeLength(std::string& text);

// The commit-or-restore rule of a field that keeps its last accepted value:
// `typed` becomes the value when it is accepted (normalised); otherwise the
// value stays. Either way the field shows `value` afterwards.
bool CommitOrRestore(std::string& value, std::string_view typed);

}  // namespace vorlant
