#include "orvanta_application.h"
#include "start_up.h"

int main(int argc, char** argv) {
    orvanta::OrvantaApplication application(argc, argv);
    orvanta::Main();
    return application.exec();
}
