// Control 1000: the publisher list box with a growing-prefix search in place
// of its own one-letter search. A selection made by the search raises no
// selection-change notification, so after every typed character the box
// hands the selection to its owner itself.
#pragma once

#include <windows.h>

#include <functional>

#include "mainwin/type_ahead.h"
#include "win/subclass.h"

namespace vorlant {

class CTypeAheadListBox : public win::CSubclassedWindow {
public:
    using TakeSelection = std::function<void()>;

    explicit CTypeAheadListBox(TakeSelection takeSelection) : takeSelection_(std::move(takeSelection)) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnChar(WPARAM code);

    TypeAheadPrefix prefix_;
    TakeSelection takeSelection_;
};

}  // namespace vorlant
