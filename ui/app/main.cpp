#include "missing_display.h"
#include "orvanta_application.h"
#include "start_up.h"

int main(int argc, char** argv) {
    orvanta::explainMissingDisplay();
    orvanta::OrvantaApplication application(argc, argv);
    orvanta::Main();
    return application.exec();
}
