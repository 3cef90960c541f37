#include "process/Catalogue.hpp"

#include <initializer_list>

nl_catd catd = reinterpret_cast<nl_catd>(-1);

void open_catalogue() { catd = catopen("qv.cat", 0); }

const char* cat_text(int set, int number, const char* fallback)
{
    if (catd == reinterpret_cast<nl_catd>(-1))
        return fallback;
    return catgets(catd, set, number, fallback);
}

namespace {

// Each "%" and the letter after it replaced by the next argument, in order;
// markers beyond the arguments are kept.
std::string fill_in(const std::string& format, std::initializer_list<const std::string*> arguments)
{
    std::string text;
    auto next = arguments.begin();
    std::size_t from = 0;
    for (auto at = format.find('%'); at != std::string::npos && at + 1 < format.size() && next != arguments.end();
         at = format.find('%', from)) {
        text += format.substr(from, at - from) + **next++;
        from = at + 2;
    }
    return text + format.substr(from);
}

}  // namespace

std::string cat_format(int set, int number, const char* fallback, const std::string& argument)
{
    return fill_in(cat_text(set, number, fallback), {&argument});
}

std::string cat_format(int set, int number, const char* fallback, const std::string& first,
                       const std::string& second)
{
    return fill_in(cat_text(set, number, fallback), {&first, &second});
}
