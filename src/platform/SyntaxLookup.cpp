// The Syntax constructor that asks the server; the rest of Syntax is in
// Syntax.cpp.
#include "platform/Platform.hpp"
#include "platform/Syntax.hpp"
#include "platform/SyntaxCache.hpp"

Syntax::Syntax(const DataUnit& attribute_name, Platform& platform)
    : Syntax(platform.syntax_cache().lookup(platform, attribute_name.str()), attribute_name.str())
{
}
