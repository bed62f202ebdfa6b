// The length rule: a length on the paper in inches, held as text of one
// digit, a point and two digits ("2.62"), from 0.00 to 9.99. Margins and
// every card position are such lengths. Here is how a typed text is brought
// into that form, the two ways a text is read as hundredths of an inch, and
// how hundredths are written back as text.
#pragma once

#include <string>
#include <string_view>

namespace vorlant {

// The largest length in hundredths of an inch (9.99 inches); the smallest is 0.
inline constexpr int kLargestLength = 999;

inline constexpr bool IsLengthInRange(int hundredths) { return hundredths >= 0 && hundredths <= kLargestLength; }

// Brings a typed length into its canonical form in place: "7" -> "7.00",
// ".25" -> "0.25", "125" -> "1.25", blanks -> "0.00". False when the text
// cannot be read as a length of at most 9.99 inches (more than one point, two
// digits before the point, any character other than a digit or the point);
// the text is then left as it was. Showing the rejection is the caller's
// part.
bool NormalizeLength(std::string& text);

// A length as the printing reads it: the character at 0 gives the inches,
// the (at most two) digits from index 2 the hundredths; a non-digit ends a
// number, and a missing one counts as 0. "2.62" gives 262, "1.5" gives 105
// (one digit after the point counts as hundredths), "" gives 0.
int PrintedLengthHundredths(std::string_view text);

// A layout text with every point removed, read as a decimal integer, as the
// options dialog's spinners read it: "2.62" gives 262, "1.5" gives 15; 0 when
// it does not begin with a digit. A value too large for an int gives the
// largest int.
int LayoutValueHundredths(std::string_view text);

// Hundredths of an inch as a length text with two decimals and, when
// negative, a minus sign: 262 -> "2.62", 5 -> "0.05", -13 -> "-0.13",
// 1005 -> "10.05" (out of range, for saying so).
std::string LengthText(int hundredths);

}  // namespace vorlant
