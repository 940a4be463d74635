#include "services/handler.h"

#include "calc/run_time_error.h"
#include "services/message_box.h"

namespace orvanta {

void runHandler(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const RunTimeError& error) {
        reportRunTimeError(error);
    }
}

}  // namespace orvanta
