#include "agents/StatusText.hpp"

#include <sstream>

RWCString get_error_str(const QvStatus& status)
{
    std::ostringstream out;
    out << status;
    RWCString text = out.str();
    if (text.size() > 199)
        text.resize(199);
    return text;
}
