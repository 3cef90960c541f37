// How stored data moves between an object's attribute values and the cells of
// the stored-data tables: the columns a syntax gives, the cells a value gives,
// and the value text the edited cells encode to.
#pragma once

#include "platform/Morf.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/Syntax.hpp"
#include "platform/Types.hpp"

// One table as the stored-data page shows it.
struct StoredTable {
    RWCString name;  // the attribute's name after its last ':'
    RWTValSlist<RWCString> columns;
    RWTValSlist<RWCString> cells;  // group by group, column by column
    int groups = 0;
    char set = 0;  // 1 for a set attribute: groups can be added and deleted
};

// The syntax's text; substring tests on it decide how cells are encoded.
RWCString syntax_text(const Syntax& syntax);
bool syntax_is_set(const Syntax& syntax);
RWCString short_attribute_name(const RWCString& attribute);

// The columns of an attribute and the cells of every value the object holds
// for it. False when the syntax yields no column (no table is shown then).
bool read_stored_table(const RWCString& attribute, const Syntax& syntax,
                       const RWTValSlist<QvTopoNode::UserDatum>& data, StoredTable& table);

// One cell as value notation, by substring tests on the syntax text. Returns
// ok, or 0 for an empty cell of a structured syntax (the attribute is then
// not written at all).
char encode_attribute_value(const DataUnit& syntax_text, const RWCString& value, RWCString& out, char ok);

// The value text of a whole table. Returns the encodable flag.
char encode_table(const Syntax& syntax, const RWTValSlist<RWCString>& cells, RWCString& text);
