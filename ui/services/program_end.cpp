#include "program_end.h"

#include <cstdio>
#include <cstdlib>

namespace orvanta {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void End() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void setEndHandler(std::function<void()> handler) { endHandler() = std::move(handler); }

}  // namespace orvanta
