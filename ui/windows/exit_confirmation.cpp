#include "exit_confirmation.h"

#include "message_box.h"
#include "program_end.h"
#include "program_identity.h"

namespace orvanta {

bool confirmExit() {
    const MsgBoxAnswer answer =
        MsgBox("Are you sure you want to exit the program?", MsgBoxStyle::YesNoExclamation, programName);
    if (answer != MsgBoxAnswer::Yes) return false;
    End(0);
    return true;
}

}  // namespace orvanta
