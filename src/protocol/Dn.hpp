// Distinguished names of managed objects, in the notation operators type:
//   /systemId=name:"host"/internetClassId={1 3 6 1}/cmipsnmpProxyAgentId="h"
// A "/" inside double quotes or braces is part of the value, not a separator.
// One parser and formatter for the server, the client library and the tools.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::dn {

// One relative name: attribute and value exactly as written (tag, quotes and
// braces included), e.g. {"systemId", "name:\"host\""}.
struct Rdn {
    std::string attr;
    std::string value;
    bool operator==(const Rdn& o) const { return attr == o.attr && value == o.value; }
    bool operator!=(const Rdn& o) const { return !(*this == o); }
};

struct Dn {
    std::vector<Rdn> rdns;
    bool absolute = true;  // written with a leading "/"

    bool empty() const { return rdns.empty(); }
    std::size_t size() const { return rdns.size(); }
    bool operator==(const Dn& o) const { return absolute == o.absolute && rdns == o.rdns; }
    bool operator!=(const Dn& o) const { return !(*this == o); }
};

// Parses absolute ("/a=1/b=2", "/" for the root) and relative ("a=1/b=2") names.
// Values keep their spelling; see canonical() for comparison.
std::optional<Dn> parse(std::string_view text, std::string* error = nullptr);

// The text of a name: "/" for the empty absolute name.
std::string format(const Dn& dn);

// The canonical spelling used for storage and comparison: blanks around "=" and
// in object identifiers normalised, and a system named systemId="x",
// systemId=x or systemId=name:"x" spelt systemId=name:"x". Nothing when the
// text is no DN.
std::optional<Dn> canonical(const Dn& dn);
std::optional<std::string> canonical(std::string_view text, std::string* error = nullptr);
// True when text is a DN already in its canonical spelling, in the plain
// shapes nearly every request uses (/systemId=name:"vm"/topoNodeId=12): no
// blanks, braces, escapes or slashes in values. False says nothing.
bool is_plainly_canonical(std::string_view text);

// A relative name made absolute below base (the local system, typically).
Dn resolve(const Dn& relative, const Dn& base);

bool is_prefix(const Dn& prefix, const Dn& dn);
bool is_child(const Dn& parent, const Dn& dn);  // exactly one level below
Dn parent(const Dn& dn);
Dn child(const Dn& parent, Rdn rdn);

// A value without its tag and quotes: name:"h" -> h, "x" -> x, id:"a\"b" -> a"b,
// 12 -> 12, {1 3} -> {1 3}.
std::string value_text(std::string_view value);
// A string as a quoted value, escaping backslash and double quote.
std::string quote(std::string_view text);

// The system a name lies in (its systemId value as text), or "".
std::string system_of(const Dn& dn);
// The DN of a system: /systemId=name:"<system>".
Dn system_dn(std::string_view system);

// The label an outline shows for a name: the text after the last separating
// "/", or the whole name when it has none or ends in one.
std::string last_label(std::string_view text);

}  // namespace qv::dn
