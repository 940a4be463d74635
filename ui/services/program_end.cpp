#include "program_end.h"

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
    // Nothing returns into the frames below once the application object is gone.
    delete std::exchange(applicationToTearDown(), nullptr);
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

void tearDownAtEnd(QCoreApplication* application) { applicationToTearDown() = application; }

void setEndHandler(std::function<void(int exitStatus)> handler) { endHandler() = std::move(handler); }

}  // namespace orvanta
