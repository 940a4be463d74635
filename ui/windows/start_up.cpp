#include "windows/start_up.h"

#include "services/handler.h"
#include "windows/frm_main.h"
#include "windows/frm_splash.h"

namespace orvanta {

void Main() {
    runHandler([] {
        windowInstance<frmMain>().Show();
        windowInstance<frmSplash>().Show(Window::Modal);
    });
}

}  // namespace orvanta
