// What the two panels of the main window share besides the data they show:
// the language's drawing details, the fonts' character set, the dialog's
// font and the window border sizes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "render/surface.h"

namespace vorlant {

struct PanelLook {
    std::string languageCode;  // its drawing details: common/language
    int cardCharset = 0;
    FontSpec dialogFont;       // the panels' font is this one in cardCharset
    int borderX = 1;           // window border sizes of the platform
    int borderY = 1;
    int lineHeight = 0;        // of a text in the dialog's font; 0: not known
};

// A window border's size as the unit of a panel's small offsets, at the
// screen's pixels per inch: n units are n border sizes at 96 pixels per inch
// and grow with the screen's scale (16 units of a one-pixel border are 24
// pixels at 144), so that marks and texts keep their places in the rows and
// columns, which grow with the panel.
struct BorderUnit {
    int pixels = 1;
    unsigned ppi = 96;
};
int operator*(int count, BorderUnit unit);

// The decimal value of the digits of `text` at `offset`, at most `count` of
// them, up to the first non-digit; 0 when there is none. Resource strings
// such as "60 78 02 14 38 57 78" keep numbers at fixed places.
unsigned NumberAt(std::string_view text, std::size_t offset, std::size_t count);

}  // namespace vorlant
