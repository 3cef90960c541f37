// The document names of the server's metadata repository: the SNMP MIBs and
// the RPC agent schemas the agent dialogs offer.
#pragma once

#include <initializer_list>

#include "platform/Types.hpp"

// The names in a getAllDocuments reply, each the quoted text after the word
// "document" (\" and \\ unescaped), in reply order, kept when it contains
// one of the markers (exact case). A malformed reply yields what precedes
// the fault.
RWTValSlist<RWCString> scan_documents(const RWCString& reply, std::initializer_list<const char*> markers);

// The reply of the repository's getAllDocuments action; "" when the server
// could not be asked.
RWCString fetch_all_documents();
