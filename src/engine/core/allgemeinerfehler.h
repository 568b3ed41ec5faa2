#pragma once
// The program's general error: raised where something fails that the user can only be
// told about (a formula with a syntax error evaluated, no memory for compiled code).
// what() is the message as it is shown.

#include <stdexcept>
#include <string>

namespace orbisto {

class AllgemeinerFehler : public std::runtime_error {
public:
    explicit AllgemeinerFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

}  // namespace orbisto
