#include "start_up.h"

#include "frm_main.h"
#include "frm_splash.h"

namespace orvanta {

void Main() {
    windowInstance<frmMain>().Show();
    windowInstance<frmSplash>().Show(Window::Modal);
}

}  // namespace orvanta
