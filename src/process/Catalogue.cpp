#include "process/Catalogue.hpp"

nl_catd catd = reinterpret_cast<nl_catd>(-1);

void open_catalogue() { catd = catopen("qv.cat", 0); }

const char* cat_text(int set, int number, const char* fallback)
{
    if (catd == reinterpret_cast<nl_catd>(-1))
        return fallback;
    return catgets(catd, set, number, fallback);
}

std::string cat_format(int set, int number, const char* fallback, const std::string& argument)
{
    const std::string format = cat_text(set, number, fallback);
    const auto at = format.find('%');
    if (at == std::string::npos || at + 1 >= format.size())
        return format;
    return format.substr(0, at) + argument + format.substr(at + 2);
}
