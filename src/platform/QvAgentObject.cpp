#include "platform/QvAgentObject.hpp"

QvAgentObject::QvAgentObject(const char* objclass, const QvAgentDn& dn, Platform* platform)
    : QvObject(objclass, platform)
{
    set_dn_text(dn.to_string());
}
