// The password dialog: a masked field, a prompt and OK. It hands every edit
// of the field, OK and Escape to the gate and carries out its reaction.
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/password_gate.h"
#include "win/dialog.h"
#include "win/resources.h"

namespace vorlant {

class CPasswordDlg : public win::CDialog {
public:
    explicit CPasswordDlg(std::string expected);

    // Whether the password was typed; the dialog's end code is not the answer.
    bool Matched() const { return gate.Matched(); }

private:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void Apply(GateReaction reaction);

    PasswordGate gate;
};

}  // namespace vorlant
