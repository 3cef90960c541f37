#include "model/ModelContext.hpp"

#include <cstdio>

ModelContext& model_context()
{
    static ModelContext context;
    return context;
}

void model_report(const RWCString& message)
{
    const ModelContext& c = model_context();
    if (c.report)
        c.report(message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}
