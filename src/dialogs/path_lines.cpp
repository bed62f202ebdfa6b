#include "dialogs/middle_ellipsis.h"

#include <algorithm>
#include <optional>

namespace vorlant {
namespace {

constexpr char kSeparator = '\\';
constexpr std::size_t kNone = std::string_view::npos;

// The length of the longest start of `text` that fits into `maxWidth`, found
// by halving (widths grow with the length), so a line costs few measurements.
std::size_t LongestFittingStart(std::string_view text, int maxWidth, const TextWidth& width) {
    std::size_t fits = 0, tooWide = text.size() + 1;
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        (width(text.substr(0, middle)) <= maxWidth ? fits : tooWide) = middle;
    }
    return fits;
}

// `text` broken into at most `maxLines` lines, each as long as fits or, with
// `afterSeparators`, ending after its last separator; an ellipsis at
// `ellipsisAt` is not broken. Nothing when it needs more lines, or when a
// line would be empty.
std::optional<std::string> BreakIntoLines(std::string_view text, int maxWidth, int maxLines, const TextWidth& width,
                                          bool afterSeparators, std::size_t ellipsisAt = kNone) {
    std::string lines;
    std::size_t start = 0;
    for (int line = 1;; ++line) {
        const std::string_view rest = text.substr(start);
        if (width(rest) <= maxWidth) return lines.append(rest);
        if (line >= maxLines) return std::nullopt;
        std::size_t cut = LongestFittingStart(rest.substr(0, rest.size() - 1), maxWidth, width);
        const std::size_t separator = rest.substr(0, cut).rfind(kSeparator);
        if (afterSeparators && separator != kNone && separator > 0) cut = separator + 1;
        if (ellipsisAt != kNone && start + cut > ellipsisAt && start + cut < ellipsisAt + kEllipsis.size()) {
            cut = ellipsisAt - start;
        }
        if (cut == 0) return std::nullopt;
        lines.append(rest.substr(0, cut)).append(kLineBreak);
        start += cut;
    }
}

struct Shortening {
    std::string text;
    std::size_t ellipsisAt = 0;
};

// `text` shortened to `keep` of its characters around an ellipsis, the end
// given the larger half but at least `minTail`, the start at least `minHead`
// (keep >= minHead + minTail). One more character kept adds one to the
// start or to the end, so a longer shortening is never narrower.
Shortening Shortened(std::string_view text, std::size_t keep, std::size_t minHead, std::size_t minTail) {
    const std::size_t tail = std::min(std::max((keep + 1) / 2, minTail), keep - minHead);
    Shortening s{std::string(text.substr(0, keep - tail)), keep - tail};
    s.text.append(kEllipsis).append(text.substr(text.size() - tail));
    return s;
}

}  // namespace

std::string FitToLines(std::string_view text, int maxWidth, int maxLines, const TextWidth& width) {
    if (text.empty()) return {};
    maxLines = std::max(maxLines, 1);
    for (const bool afterSeparators : {true, false}) {
        if (auto lines = BreakIntoLines(text, maxWidth, maxLines, width, afterSeparators)) return *std::move(lines);
    }
    // The drive up to its separator, and the last folder from its separator on.
    const std::size_t first = text.find(kSeparator), last = text.rfind(kSeparator);
    std::size_t minHead = first == kNone ? 0 : first + 1;
    std::size_t minTail = last == kNone || last + 1 == text.size() ? 0 : text.size() - last;
    const auto fits = [&](std::size_t keep) {
        const Shortening s = Shortened(text, keep, minHead, minTail);
        return BreakIntoLines(s.text, maxWidth, maxLines, width, false, s.ellipsisAt).has_value();
    };
    if (minTail == 0 || minHead + minTail >= text.size() || !fits(minHead + minTail)) {
        minHead = minTail = 0;
        if (!fits(0)) return std::string(kEllipsis);
    }
    // The most characters kept that still fit (the whole text did not).
    std::size_t fitting = minHead + minTail, tooMany = text.size();
    while (tooMany - fitting > 1) {
        const std::size_t middle = fitting + (tooMany - fitting) / 2;
        (fits(middle) ? fitting : tooMany) = middle;
    }
    const Shortening s = Shortened(text, fitting, minHead, minTail);
    for (const bool afterSeparators : {true, false}) {
        if (auto lines = BreakIntoLines(s.text, maxWidth, maxLines, width, afterSeparators, s.ellipsisAt)) {
            return *std::move(lines);
        }
    }
    return s.text;  // not reached: it fitted when broken anywhere
}

}  // namespace vorlant
