#include "app/missing_display.h"
#include "app/orvanta_application.h"
#include "services/program_end.h"
#include "windows/start_up.h"

int main(int argc, char** argv) {
    orvanta::explainMissingDisplay();
    auto* application = new orvanta::OrvantaApplication(argc, argv);
    orvanta::tearDownAtEnd(application);  // End deletes it, so the clipboard outlives the program
    orvanta::Main();
    return application->exec();
}
