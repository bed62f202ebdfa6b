// One card of the month's round: "Włóż kartę: Kowalski, Jan (12 z 87)" and,
// when some of the ticked months are on the card already, which of them will
// be printed again. OK prints the card, "Pomiń" goes on to the next person,
// "Zakończ" (and Esc) ends the round.
#pragma once

#include <windows.h>

#include <string>

#include "win/dialog.h"

namespace vorlant {

class CRoundDlg : public win::CDialog {
public:
    enum class Answer { Print, Skip, End };

    // Texts in the language's code page, as the resources hold them.
    CRoundDlg(std::string cardText, std::string againText);

    Answer Run(HWND owner);

private:
    BOOL OnInitDialog() override;
    void PlaceBelowOwner();
    void OnCommand(int id, int notifyCode, HWND control) override;

    std::string cardText;
    std::string againText;
};

}  // namespace vorlant
