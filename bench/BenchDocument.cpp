#include "BenchDocument.hpp"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kViews = 100;

void write_node(std::FILE* f, int id, const char* type, int parent, bool first)
{
    std::fprintf(f, "%s\n{\"id\":%d,\"name\":\"%s\",\"type\":\"%s\"", first ? "" : ",", id,
                 id == 1 ? "World" : (id <= kViews ? ("site-" + std::to_string(id)).c_str()
                                                   : BenchDocument::host_name(id).c_str()),
                 type);
    if (parent > 0)
        std::fprintf(f, ",\"parents\":[%d],\"locations\":[{\"parent\":%d,\"x\":%d,\"y\":%d,\"z\":0}]", parent,
                     parent, (id * 37) % 800, (id * 53) % 600);
    if (id > kViews && id % 10 == 0)
        std::fprintf(f, ",\"user_data\":[{\"name\":\"contact\",\"value\":\"\\\"desk %d\\\"\"}]", id);
    std::fputc('}', f);
}

void write_scope(std::FILE* f, const char* rdn, int children, bool first)
{
    std::string escaped;
    for (char c : std::string(rdn))
        escaped += c == '"' ? std::string("\\\"") : std::string(1, c);
    std::fprintf(f, "%s\n{\"dn\":\"%s\",\"class\":\"benchScope\",\"attrs\":{}}", first ? "" : ",", escaped.c_str());
    for (int i = 1; i <= children; ++i)
        std::fprintf(f, ",\n{\"dn\":\"%s/itemId=%d\",\"class\":\"benchItem\",\"attrs\":{\"index\":%d}}",
                     escaped.c_str(), i, i);
}

}  // namespace

std::size_t BenchDocument::write(const std::string& path, int total_objects)
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        throw std::runtime_error("cannot write " + path);
    std::fputs("{\"format\":\"qv-topology\",\"version\":1,\"syntaxes\":{\"contact\":\"OCTET STRING\"},\n"
               "\"types\":[{\"name\":\"World\",\"kinds\":[\"view\"]},{\"name\":\"Site\",\"kinds\":[\"view\"]},"
               "{\"name\":\"Host\",\"kinds\":[\"device\"],\"attributes\":[\"contact\"]}],\n\"nodes\":[",
               f);
    const int nodes = nodes_for(total_objects);
    write_node(f, 1, "World", 0, true);
    for (int id = 2; id <= kViews; ++id)
        write_node(f, id, "Site", 1, false);
    for (int id = kViews + 1; id <= nodes; ++id)
        write_node(f, id, "Host", 2 + id % (kViews - 1), false);
    std::fputs("],\n\"objects\":[", f);
    write_scope(f, kScopeRdn, kScopeChildren, true);
    write_scope(f, kSmallScopeRdn, kSmallScopeChildren, false);
    std::fputs("]}\n", f);
    const long size = std::ftell(f);
    std::fclose(f);
    return static_cast<std::size_t>(size);
}
