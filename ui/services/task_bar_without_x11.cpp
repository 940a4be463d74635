#include "services/task_bar.h"

namespace orvanta {

// Built without X11 (ORVANTA_X11 off): there is no X server to give the window states to.
void keepOutOfTaskBar(QWidget&) {}

}  // namespace orvanta
