#include "platform/QvAgentObject.hpp"

#include "platform/QvCmipAgent.hpp"
#include "platform/ReplyReader.hpp"

QvAgentObject::QvAgentObject(const char* objclass, const QvAgentDn& dn, Platform* platform)
    : QvObject(objclass, platform)
{
    set_dn_text(dn.to_string());
}

void QvAgentObject::check_reply_attributes(ReplyReader& attrs) const
{
    for (const char* name :
         {"getCommunity", "setCommunity", "transportAddress", "systemTitle", "agentId", "presentationSelector",
          "sessionSelector", "transportSelector", "networkSap", "nameTranslation", "applicationEntityTitle",
          "applicationEntityQualifier", "agentAddressInfo"})
        attrs.text_or(name, "");
    for (const char* name : {"administrativeState", "managementProtocol", "accessControlEnforcement",
                             "accessControlMechanism", "agentAddressTag", "applicationEntityInvokeId",
                             "applicationProcessInvokeId"})
        attrs.integer_or(name, 0, ReplyReader::kInt32Min, ReplyReader::kInt32Max);
    attrs.texts_or_empty("supportedMibs");
    attrs.texts_or_empty("managedObjects");
    if (attrs.has("mpaAddressInfo")) {
        ReplyReader mpa = attrs.item(attrs.object("mpaAddressInfo"), "the mpaAddressInfo");
        RWCString host;
        long port = 0;
        int use_default = 0;
        QvCmipAgent::read_mpa_address_info(mpa, host, port, use_default);
    }
    for (const auto& entry : attrs.array_or_empty("schemas")) {
        ReplyReader schema = attrs.item(entry, "a schema");
        schema.text("name");
        schema.text("host");
    }
}
