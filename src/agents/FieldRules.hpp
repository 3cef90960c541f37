// How the CMIP and MIS dialogs' texts become agent fields: entity names
// read from a combo text or a DN, the application entity title and
// qualifier, the network SAP, and port numbers.
#pragma once

#include "platform/Types.hpp"

// The entity name a text names: after id: and a double quote up to the next
// double quote (or the end), else the whole text. Used for the combo's text
// and for DNs.
RWCString entity_name_from_text(const RWCString& text);
// The looser rule of a name handed to fill_defaults: with "id" in the text,
// what lies between the first double quote after it and the last double
// quote; otherwise the whole text.
RWCString entity_name_loosely(const RWCString& text);

// The APTitle field as stored: blanks stripped, braced "{ ... }" unless it
// already starts or ends with a brace. False when the result is no object
// identifier of at least two components' worth of digits and blanks.
bool normalise_ap_title(const RWCString& field, RWCString& title);
// The AeQualifier field as stored ("-1" for an empty field); false when it
// is not an integer.
bool normalise_ae_qualifier(const RWCString& field, RWCString& qualifier);
// An invoke id field: its decimal value, 0 for text that is not a number.
long invoke_id_value(const RWCString& field);
// A network SAP without the hexadecimal marker "0x" or "0X" it starts with.
RWCString strip_hex_marker(const RWCString& sap);

// Whether a port text is a number from 1 to 65535.
bool valid_port(const RWCString& port);

// Text without the blanks, tabs and newlines at both ends.
RWCString strip_blanks(const RWCString& text);
