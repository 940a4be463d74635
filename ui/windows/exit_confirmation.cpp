#include "windows/exit_confirmation.h"

#include "services/message_box.h"
#include "services/program_end.h"
#include "windows/program_identity.h"

namespace orvanta {

bool confirmExit() {
    const MsgBoxAnswer answer =
        MsgBox("Are you sure you want to exit the program?", MsgBoxStyle::YesNoExclamation, programName);
    if (answer != MsgBoxAnswer::Yes) return false;
    End(0);
    return true;
}

}  // namespace orvanta
