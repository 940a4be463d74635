#pragma once

#include <string>

#include "calc/run_time_error.h"
#include "calc/text_to_number.h"

namespace orvanta {

// The run-time error number that reading the text raises, or 0 when it reads as a number.
inline int runTimeErrorOf(const std::string& text) {
    try {
        textToDouble(text);
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace orvanta
