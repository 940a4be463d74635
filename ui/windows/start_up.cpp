#include "start_up.h"

#include "frm_main.h"
#include "frm_output.h"
#include "frm_splash.h"

namespace orvanta {

void Main() {
    frmOutput::setNavigation({
        .showEntryWindow = [] { windowInstance<frmMain>().Show(); },
        .showCreditsWindow = [] { windowInstance<frmSplash>().Show(Window::Modal); },
    });

    windowInstance<frmMain>().Show();
    windowInstance<frmSplash>().Show(Window::Modal);
}

}  // namespace orvanta
