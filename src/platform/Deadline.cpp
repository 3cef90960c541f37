#include "platform/Deadline.hpp"

#include <climits>
#include <sstream>

#include "platform/Platform.hpp"

int Deadline::remaining_ms() const
{
    const auto left = end_ - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero())
        return 0;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count() + 1;
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

std::string Deadline::format_seconds(double seconds)
{
    std::ostringstream os;
    os << seconds << " s";
    return os.str();
}

double Deadline::effective(double requested)
{
    if (requested == kDefaultTimeoutRequest || !(requested > 0.0))
        return kDefaultTimeoutSeconds;
    return requested;
}
