#include "missing_display.h"
#include "orvanta_application.h"
#include "program_end.h"
#include "start_up.h"

int main(int argc, char** argv) {
    orvanta::explainMissingDisplay();
    auto* application = new orvanta::OrvantaApplication(argc, argv);
    orvanta::tearDownAtEnd(application);  // End deletes it, so the clipboard outlives the program
    orvanta::Main();
    return application->exec();
}
