// Attribute and table names of the predecessor manager (XNL) may hold capitals
// and characters that platform names do not allow. These two functions encode
// them as seven-letter marker words ending in "SIGN" and back. The markers are
// a stored format shared with other programs: never change them.
//
// Both functions return a pointer into static buffers shared between them,
// valid until the next call of either; they are not reentrant.
#pragma once

// Legacy name to platform name. With is_table set, table (at most 248
// characters) is converted as a table name; otherwise name is converted and
// table, when given, is the table the attribute belongs to. Null when both
// are null, for a missing or too long table name with is_table, for a missing
// name without it, and for a name of 256 characters or more. The result is at
// most 504 characters long; the rest is cut.
char* cvt_xnlname2qv(const char* name, const char* table, char is_table);

// Platform name to legacy name; null for a null name or one of 256 characters
// or more.
char* cvt_qvname2xnl(const char* name);
