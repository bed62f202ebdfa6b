#include "dialogs/middle_ellipsis.h"

namespace vorlant {

std::string EllipsizeMiddle(std::string_view text, int maxWidth, const TextWidth& width) {
    if (width(text) <= maxWidth) return std::string(text);
    std::string candidate;
    // Widths grow with every character kept, so the first shortening that
    // fits, counting down, is the longest one.
    for (std::size_t keep = text.size(); keep-- > 0;) {
        const std::size_t tail = (keep + 1) / 2;
        const std::size_t head = keep - tail;
        candidate.assign(text.substr(0, head));
        candidate += kEllipsis;
        candidate += text.substr(text.size() - tail);
        if (width(candidate) <= maxWidth) return candidate;
    }
    return std::string(kEllipsis);
}

}  // namespace vorlant
