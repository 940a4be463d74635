#include "exit_confirmation.h"

#include "message_box.h"
#include "program_end.h"
#include "program_identity.h"

namespace orvanta {

bool confirmExit() {
    const int answer = MsgBox("Are you sure you want to exit the program?",
                              MsgBoxStyle::YesNo + MsgBoxStyle::WarningIcon, programName);
    if (answer != MsgBoxAnswer::Yes) return false;
    End();
    return true;
}

}  // namespace orvanta
