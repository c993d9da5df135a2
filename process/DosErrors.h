// EDosCommand and TCreateProcessError: the errors of the console process runner.
#pragma once

#include "framework/core/Exception.h"

namespace tw {

// Misuse of the runner, such as starting it without a command line.
class EDosCommand : public Exception {
public:
    using Exception::Exception;
};

// The child process could not be started; the message names the command line.
class TCreateProcessError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace tw
