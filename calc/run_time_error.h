#pragma once

#include <stdexcept>
#include <string>

namespace orvanta {

class RunTimeError : public std::runtime_error {  // what() is the message, e.g. "Division by zero"
public:
    RunTimeError(int number, const std::string& message);
    int number() const;

    static RunTimeError invalidCall();     // 5
    static RunTimeError overflow();        // 6
    static RunTimeError divisionByZero();  // 11
    static RunTimeError typeMismatch();    // 13

private:
    int number_;
};

}  // namespace orvanta
