#pragma once

namespace orvanta {

// The question every way out of the program asks ("Are you sure you want to exit the program?",
// Yes and No, title "Orvanta"). A Yes ends the program at once with exit status 0, so no other
// handler runs and the question is never asked twice. Returns whether the answer was Yes, which
// a caller only sees when End is replaced, as in tests.
bool confirmExit();

}  // namespace orvanta
