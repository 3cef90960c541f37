// A platform status as the user is shown it.
#pragma once

#include "platform/QvStatus.hpp"
#include "platform/Types.hpp"

// The status as its output operator prints it, cut to 199 characters.
RWCString get_error_str(const QvStatus& status);
