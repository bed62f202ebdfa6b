// Shortening a long text, such as a folder path, to a given width by putting
// an ellipsis in its middle: the start (the drive) and the end (the folder
// itself) stay readable, where cutting at the end would lose the folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorlant {

inline constexpr std::string_view kEllipsis = "...";

// Width of a text in the caller's units (pixels of a font, or characters).
using TextWidth = std::function<int(std::string_view)>;

// `text` itself when it fits into `maxWidth`; otherwise its longest
// shortening "<start>...<end>" that fits, with the end given the larger half
// of the characters kept. Only the ellipsis is left when nothing else fits.
std::string EllipsizeMiddle(std::string_view text, int maxWidth, const TextWidth& width);

}  // namespace vorlant
