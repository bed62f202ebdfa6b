// The readings of the test page: one field per scale, each a whole number
// of hundredths of an inch, and beside it the setting it changes with its
// value now and after. OK takes the new values over; a reading that is no
// number or lies beyond its scale, or a value out of the lengths a field
// takes, keeps the dialog open with a message.
#pragma once

#include <windows.h>

#include "layout/card_layout.h"
#include "render/calibration_fit.h"
#include "win/dialog.h"

namespace vorlant {

class StringSource;

class CReadingsDlg : public win::CDialog {
public:
    explicit CReadingsDlg(const StringSource& strings);

    // Set by the caller before the dialog runs; the layout is read back
    // after OK. The printer is the one the test page came from.
    CardLayout workLayout;
    PrinterResolution printer;

private:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;

    void UpdateNotes();
    void Ok();

    const StringSource& strings;
};

}  // namespace vorlant
