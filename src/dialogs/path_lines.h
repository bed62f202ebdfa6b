// Fitting a long text, such as a folder path, into a few lines of a given
// width: broken where the lines end, preferably after a folder separator,
// and only when the lines cannot hold it all, shortened by an ellipsis in its
// middle, so that the start (the drive) and the end (the folder itself) stay
// readable where cutting at the end would lose the folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorlant {

inline constexpr std::string_view kEllipsis = "...";
// Put between two lines of the result.
inline constexpr std::string_view kLineBreak = "\r\n";

// Width of a UTF-8 text in the caller's units (pixels of a font, or
// characters). A longer text is never narrower than its start.
using TextWidth = std::function<int(std::string_view)>;

// `text` (UTF-8) in at most `maxLines` lines (1 when fewer are asked for) of
// at most `maxWidth` each, the lines joined by kLineBreak, cut between whole
// characters only:
// - `text` itself when it fits on one line;
// - else each line as long as fits, ending after its last '\' instead where
//   the rest still fits into the lines left, so that a text without blanks
//   breaks too;
// - else its longest shortening "<start>...<end>" that fits so; the end
//   takes the larger half of the characters kept, but at least the last
//   folder ("\name") and the start at least the drive ("C:\"), as long as
//   both fit. Only the ellipsis is left when nothing else fits.
std::string FitToLines(std::string_view text, int maxWidth, int maxLines, const TextWidth& width);

}  // namespace vorlant
