// What the drawing tests share: resource strings, the panels' look, a generated congregation as read.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/panel_look.h"
#include "support/drawn_boxes.h"
#include "support/loaded_data.h"
#include "support/rc_strings.h"

namespace vorlant::test {

inline const RcStringSource kStrings;
inline const std::vector<std::string> kNothingLeft;  // what a drawing may leave behind

inline PanelLook Look(const std::string& language = "polish", int borderX = 1, int borderY = 1) {
    return PanelLook{language, 238, {.height = -13, .faceName = "MS Sans Serif"}, borderX, borderY};
}

}  // namespace vorlant::test
