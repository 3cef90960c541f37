#include "main/Catalogue.hpp"

nl_catd catd = reinterpret_cast<nl_catd>(-1);

void open_catalogue() { catd = catopen("qv.cat", 0); }

const char* cat_text(int set, int number, const char* fallback)
{
    if (catd == reinterpret_cast<nl_catd>(-1))
        return fallback;
    return catgets(catd, set, number, fallback);
}
