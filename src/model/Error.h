// The one kind of failure the core raises: it carries the system's own
// message, which the windows show as it stands and the tool prints.
#pragma once

#include <stdexcept>
#include <string>

namespace zorozod {

class ZoroZodError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zorozod
