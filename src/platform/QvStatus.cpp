#include "platform/QvStatus.hpp"

#include <ostream>

std::ostream& operator<<(std::ostream& os, const QvStatus& status)
{
    if (!status.text().empty())
        return os << status.text();
    return os << (status.ok() ? "OK" : "Failed (code " + std::to_string(status.code()) + ")");
}
