// The two owner-drawn panels of the main dialog. Each paints its whole
// control itself through a drawing function of the main dialog, with the
// client rectangle it took on its first paint.
#pragma once

#include <windows.h>

#include <functional>

#include "win/subclass.h"

namespace vorlant {

class CPanel : public win::CSubclassedWindow {
public:
    using DrawFunction = std::function<void(const RECT& rect, HDC dc)>;

    explicit CPanel(DrawFunction draw) : draw_(std::move(draw)) {}

    // Cleared by the main dialog after attaching; set once the client
    // rectangle has been taken.
    int rectValid = 0;
    RECT clientRect{};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DrawFunction draw_;
};

// Control 1006: the selected publisher's personal details.
class CHeaderPanel : public CPanel {
public:
    using CPanel::CPanel;
};

// Control 129: the service year as a small ruled table.
class CCardPreview : public CPanel {
public:
    using CPanel::CPanel;
};

}  // namespace vorlant
