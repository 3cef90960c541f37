#include "model/StoredDataCodec.hpp"

#include "agents/LegacyName.hpp"

namespace {

bool contains(const RWCString& text, const char* what) { return text.find(what) != RWCString::npos; }

// Member names as the page shows them (legacy form), at most 127 characters.
RWTValSlist<RWCString> shown_member_names(const Syntax& syntax)
{
    RWTValSlist<RWCString> names;
    for (const RWCString& member : syntax.get_member_names()) {
        const char* converted = cvt_qvname2xnl(member.c_str());
        RWCString name = converted ? converted : member;
        if (name.size() > 127)
            name.resize(127);
        names.push_back(name);
    }
    return names;
}

// The element syntax of a SET OF (invalid when it has none).
Syntax set_element(const Syntax& syntax)
{
    const RWTValSlist<RWCString> members = syntax.get_member_names();
    return members.empty() ? Syntax() : syntax.member(members.front());
}

RWTValSlist<RWCString> member_syntax_texts(const Syntax& syntax)
{
    RWTValSlist<RWCString> texts;
    for (const RWCString& name : syntax.get_member_names())
        texts.push_back(syntax_text(syntax.member(name)));
    return texts;
}

RWTValSlist<RWCString> columns_of(const Syntax& syntax, bool is_set)
{
    if (!syntax.is_list())
        return {""};
    if (!is_set)
        return shown_member_names(syntax);
    const Syntax element = set_element(syntax);
    if (element.valid() && element.is_list())
        return shown_member_names(element);
    return {""};
}

void append_cells_of(const Morf& value, RWTValSlist<RWCString>& cells)
{
    if (!value.is_list()) {
        cells.push_back(value.get_str(0).str());
        return;
    }
    const bool set_of = contains(syntax_text(value.get_syntax()), "SET OF");
    for (const Morf& element : value.split_array()) {
        if (set_of && element.is_list() && !contains(syntax_text(element.get_syntax()), "SET OF")) {
            for (const Morf& part : element.split_array())
                cells.push_back(part.get_str(0).str());
        } else {
            cells.push_back(element.get_str(0).str());
        }
    }
}

// Encodes cells[next..] against the member syntaxes in order, "," between; a
// member left without a cell is an empty quoted string.
char encode_members(const RWTValSlist<RWCString>& member_texts, const RWTValSlist<RWCString>& cells,
                    std::size_t& next, RWCString& text, char ok)
{
    for (std::size_t m = 0; m < member_texts.size(); ++m) {
        RWCString out = "\"\"";
        if (next < cells.size())
            ok = encode_attribute_value(DataUnit(member_texts[m]), cells[next++], out, ok);
        if (m > 0)
            text += ",";
        text += out;
    }
    return ok;
}

char encode_set_of_records(const Syntax& element, const RWTValSlist<RWCString>& cells, RWCString& text)
{
    const RWTValSlist<RWCString> member_texts = member_syntax_texts(element);
    const std::size_t m = member_texts.size();
    if (m == 0)
        return 1;  // nothing could ever fill a record: the empty list
    const bool braces = !contains(syntax_text(element), "SET OF");
    char ok = 1;
    std::size_t next = 0;
    while (cells.size() - next >= m) {
        if (braces)
            text += "{";
        ok = encode_members(member_texts, cells, next, text, ok);
        if (braces)
            text += "}";
        if (cells.size() - next >= m)
            text += ",";
    }
    return ok;
}

char encode_record(const Syntax& syntax, const RWTValSlist<RWCString>& cells, RWCString& text)
{
    std::size_t next = 0;
    return encode_members(member_syntax_texts(syntax), cells, next, text, 1);
}

}  // namespace

RWCString syntax_text(const Syntax& syntax)
{
    return syntax.valid() ? syntax.expansion(0).get(0).str() : RWCString();
}

bool syntax_is_set(const Syntax& syntax) { return contains(syntax_text(syntax), "SET OF"); }

RWCString short_attribute_name(const RWCString& attribute)
{
    const auto colon = attribute.rfind(':');
    return colon == RWCString::npos ? attribute : attribute.substr(colon + 1);
}

bool read_stored_table(const RWCString& attribute, const Syntax& syntax,
                       const RWTValSlist<QvTopoNode::UserDatum>& data, StoredTable& table)
{
    table = StoredTable();
    table.name = short_attribute_name(attribute);
    const bool is_set = syntax_is_set(syntax);
    table.set = is_set ? 1 : 0;
    table.columns = columns_of(syntax, is_set);
    for (const QvTopoNode::UserDatum& datum : data)
        if (short_attribute_name(datum.name) == table.name && datum.value.has_value())
            append_cells_of(datum.value, table.cells);
    if (table.columns.empty())
        return false;
    table.groups = static_cast<int>(table.cells.size() / table.columns.size());
    return true;
}

char encode_attribute_value(const DataUnit& syntax_text_du, const RWCString& value, RWCString& out, char ok)
{
    const RWCString& text = syntax_text_du.str();
    if (contains(text, "SEQUENCE") || contains(text, "SET") || contains(text, "CHOICE")) {
        out = value;
        return out.empty() ? 0 : ok;
    }
    if (contains(text, "OCTET")) {
        out = "\"" + value + "\"";
        return ok;
    }
    if (contains(text, "INTEGER") || contains(text, "REAL") || contains(text, "ENUMERATED")) {
        out = value.empty() ? RWCString("0") : value;
        return ok;
    }
    if (contains(text, "BOOLEAN")) {
        out = value.empty() ? RWCString("FALSE") : value;
        return ok;
    }
    out = "\"" + value + "\"";
    return ok;
}

char encode_table(const Syntax& syntax, const RWTValSlist<RWCString>& cells, RWCString& text)
{
    text.clear();
    if (cells.empty())
        return 0;
    if (!syntax.is_list()) {
        return encode_attribute_value(DataUnit(syntax_text(syntax)), cells.front(), text, 1);
    }
    char ok = 1;
    text = "{";
    if (syntax_is_set(syntax)) {
        const Syntax element = set_element(syntax);
        if (element.valid() && element.is_list()) {
            ok = encode_set_of_records(element, cells, text);
        } else {
            const RWCString element_text = syntax_text(element);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                RWCString out;
                ok = encode_attribute_value(DataUnit(element_text), cells[i], out, ok);
                if (i > 0)
                    text += ",";
                text += out;
            }
        }
    } else {
        ok = encode_record(syntax, cells, text);
    }
    text += "}";
    return ok;
}
