#include "handler.h"

#include "message_box.h"
#include "run_time_error.h"

namespace orvanta {

void runHandler(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const RunTimeError& error) {
        reportRunTimeError(error);
    }
}

}  // namespace orvanta
