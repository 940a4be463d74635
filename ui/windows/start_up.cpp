#include "start_up.h"

#include "frm_main.h"
#include "frm_splash.h"
#include "handler.h"

namespace orvanta {

void Main() {
    runHandler([] {
        windowInstance<frmMain>().Show();
        windowInstance<frmSplash>().Show(Window::Modal);
    });
}

}  // namespace orvanta
