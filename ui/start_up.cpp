#include "ui/start_up.h"

#include "ui/frm_main.h"
#include "ui/frm_output.h"
#include "ui/frm_splash.h"

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
