#include "services/program_end.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace orvanta {

namespace {
std::function<void(int)>& endHandler() {
    static std::function<void(int)> handler;
    return handler;
}

QCoreApplication*& applicationToTearDown() {
    static QCoreApplication* application = nullptr;
    return application;
}
}  // namespace

void End(int exitStatus) {
    if (endHandler()) {
        endHandler()(exitStatus);
        return;
    }
    // The application object goes from under the handlers that called End; the process goes
    // right after it, so none of them runs on.
    delete std::exchange(applicationToTearDown(), nullptr);
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

void tearDownAtEnd(QCoreApplication* application) { applicationToTearDown() = application; }

void setEndHandler(std::function<void(int exitStatus)> handler) { endHandler() = std::move(handler); }

}  // namespace orvanta
