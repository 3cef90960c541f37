"""Building blocks of the topology documents (docs/topology-format.md) that
tools/gen-demo-topology.py and tools/gen-fixture-topology.py write.

DNs of the server's own objects are written relative (no leading "/"): the
loader places them under the server's system. DNs of other systems (MIS
hosts) and of OSI managed objects are absolute.
"""
import json
import math

from map_regions import MAPS
from topology_types import SYNTAXES, types_json

SNMP_CLASS_ID = "{1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"
ALL_RIGHTS = ["RunObjectProperties", "CreateObjects", "ModifyCoordinates",
              "ModifyBackgroundImage", "ModifyDescrAgentTypeStatus", "Admin"]
RPC_DOCUMENTS = ["RPC Proxy - ping", "RPC Proxy - snmp", "RPC Agent - disk",
                 "RPC Agent - cpu", "RPC Agent - mem", "RPC Agent - proc",
                 "RPC Agent - net"]


def quoted(text):
    """A string in value notation."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def snmp_dn(host):
    return 'internetClassId=%s/cmipsnmpProxyAgentId="%s"' % (SNMP_CLASS_ID, host)


def rpc_dn(host):
    return 'agentTableType="RPC"/agentId=id:"%s"' % host


def cmip_dn(entity):
    return 'agentTableType="CMIP"/agentId=id:"%s"' % entity


def mis_dn(host):
    return '/systemId=name:"%s"' % host


def osi_dn(*rdns):
    """A managed object of the OSI network, outside every system."""
    return "/networkId=\"zentra-osi\"" + "".join("/" + r for r in rdns)


def snmp_agent(host, address, community="gusset", version=1, mibs=None, write_community="lantern"):
    return {"dn": snmp_dn(host), "class": "snmpProxyAgent", "attrs": {
        "getCommunity": community, "setCommunity": write_community,
        "transportAddress": address + ":161",
        "supportedMibs": mibs or ["IIMCRFC1213-MIB"],
        "managementProtocol": version, "systemTitle": "1.2.3.1",
        "administrativeState": 1, "accessControlEnforcement": 1,
        "accessControlMechanism": 1}}


def rpc_agent(host, schemas):
    return {"dn": rpc_dn(host), "class": "rpcProxyAgent", "attrs": {
        "getCommunity": "gusset", "setCommunity": "lantern",
        "schemas": [{"name": n, "host": h} for n, h in schemas],
        "administrativeState": 1}}


def cmip_entity(name, managed, selectors=("", "", "", ""), title=None,
                mpa=None, translation="NONE"):
    """A CMIP agent entity; a MIS is one named after its host."""
    psel, ssel, tsel, nsap = selectors
    attrs = {
        "agentId": 'id:"%s"' % name,
        "mpaAddressInfo": mpa or {"host": "", "port": 0, "default": True},
        "managedObjects": managed,
        "presentationSelector": psel, "sessionSelector": ssel,
        "transportSelector": tsel, "networkSap": nsap,
        "nameTranslation": translation,
        "agentAddressTag": 24 if title else 8,
        "applicationEntityTitle": title or "{ 1 1 1 1 }",
        "applicationEntityQualifier": "-1",
        "applicationEntityInvokeId": -1, "applicationProcessInvokeId": -1,
        "agentAddressInfo": "{%s,%s,%s,%s}" % (psel, ssel, tsel, nsap),
        "administrativeState": 1}
    return {"dn": cmip_dn(name), "class": "cmipAgentEntity", "attrs": attrs}


def mis_entity(host, port=5555):
    return cmip_entity(host, [mis_dn(host)], selectors=("", "", "", "%s:%d" % (host, port)))


def managed_object(dn, cls, **attrs):
    return {"dn": dn, "class": cls, "attrs": attrs}


def picture_size(stem):
    """Width and height of the background drawn for a map (tools/gen-maps.py)."""
    _, (west, south, east, north), _, _, _ = MAPS[stem]
    mid = math.radians((south + north) / 2)
    aspect = (north - south) / ((east - west) * max(math.cos(mid), 0.3))
    return 480, max(200, min(480, int(480 * aspect)))


def map_position(stem, lon, lat):
    """Where a place lies on a map's background, in pixels."""
    _, (west, south, east, north), _, _, _ = MAPS[stem]
    w, h = picture_size(stem)
    return (int(round((lon - west) / (east - west) * (w - 1))),
            int(round((north - lat) / (north - south) * (h - 1))))


def document(nodes, objects, users, systems=(), documents=(), mib_dirs=()):
    doc = {"format": "qv-topology", "version": 1,
           "syntaxes": dict(SYNTAXES), "types": types_json(),
           "nodes": nodes, "objects": objects}
    if documents:
        doc["documents"] = list(documents)
    if mib_dirs:
        doc["mib_directories"] = list(mib_dirs)
    if systems:
        doc["systems"] = list(systems)
    doc["users"] = users
    return doc


def write(path, doc):
    with open(path, "w", encoding="utf-8") as f:
        json.dump(doc, f, indent=1, ensure_ascii=False)
        f.write("\n")
