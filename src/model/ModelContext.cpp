#include "model/ModelContext.hpp"

#include <cstdio>

ModelContext& model_context()
{
    static ModelContext context;
    return context;
}

RWCString model_text(int set, int number, const char* fallback)
{
    const ModelContext& c = model_context();
    return c.text ? c.text(set, number, fallback) : RWCString(fallback);
}

RWCString model_format(int set, int number, const char* fallback, const RWCString& argument)
{
    const RWCString format = model_text(set, number, fallback);
    RWCString out;
    const auto at = format.find('%');
    if (at == RWCString::npos || at + 1 >= format.size())
        return format;
    out = format.substr(0, at) + argument + format.substr(at + 2);
    return out;
}

void model_report(const RWCString& message)
{
    const ModelContext& c = model_context();
    if (c.report)
        c.report(message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}
