"""The topology types the demo and the test fixture declare.

One list feeds the glyph generator (one glyph file per type) and the topology
generators, so that every type a document names has its glyph.
"""

# name, kinds, stored-data attributes
TYPES = [
    # Views: the maps an operator navigates.
    ("World", ["view"], []),
    ("Continent", ["view"], []),
    ("Country", ["view"], ["contact"]),
    ("City", ["view"], ["contact"]),
    ("Campus", ["view"], ["contact", "siteAddress"]),
    ("Building", ["view"], ["contact", "siteAddress"]),
    ("Floor", ["view"], ["siteAddress"]),
    ("Subnet", ["view"], ["ipAddresses", "sysusrSIGNcontact"]),
    ("View", ["view"], []),
    # Devices.
    ("Host", ["device"], ["contact", "serialNumber", "managed"]),
    ("Router", ["device"], ["contact", "serialNumber", "rackUnits", "managed",
                            "siteAddress", "ipAddresses", "interfaces",
                            "snmpEndpoint", "aupcSIGNssetdotSIGNtag",
                            "Quorlan:supportLevel"]),
    ("Switch", ["device"], ["contact", "serialNumber", "rackUnits", "managed",
                            "interfaces", "vlans"]),
    ("Hub", ["device"], ["contact", "serialNumber"]),
    ("Bridge", ["device"], ["contact", "serialNumber", "interfaces"]),
    ("Firewall", ["device"], ["contact", "serialNumber", "managed", "ipAddresses",
                              "filterRules", "aupcSIGNssetdotSIGNtag", "uplink"]),
    ("Server", ["device"], ["contact", "serialNumber", "rackUnits", "managed",
                            "siteAddress", "ipAddresses", "services",
                            "cupcSIGNostusrSIGNcenter"]),
    ("Workstation", ["device"], ["contact", "serialNumber", "managed", "primaryUser"]),
    ("PC", ["device"], ["contact", "serialNumber", "primaryUser"]),
    ("Laptop", ["device"], ["contact", "serialNumber", "primaryUser"]),
    ("Printer", ["device"], ["contact", "serialNumber", "paperSizes"]),
    ("Modem", ["device"], ["contact", "serialNumber", "lineNumber"]),
    ("Multiplexer", ["device"], ["contact", "serialNumber", "channels"]),
    ("Gateway", ["device"], ["contact", "serialNumber", "ipAddresses"]),
    ("Repeater", ["device"], ["contact", "serialNumber"]),
    ("TerminalServer", ["device"], ["contact", "serialNumber", "serialPorts"]),
    ("AccessPoint", ["device"], ["contact", "serialNumber", "ssids"]),
    ("LoadBalancer", ["device"], ["contact", "serialNumber", "services"]),
    ("Mainframe", ["device"], ["contact", "serialNumber", "rackUnits",
                               "cupcSIGNostusrSIGNcenter"]),
    ("NAS", ["device"], ["contact", "serialNumber", "volumes"]),
    ("UPS", ["device"], ["contact", "serialNumber", "batteryMinutes"]),
    ("PBX", ["device"], ["contact", "serialNumber", "lineNumber"]),
    ("Sensor", ["device"], ["contact", "threshold"]),
    ("Camera", ["device"], ["contact", "serialNumber"]),
    ("Transceiver", ["device"], ["serialNumber"]),
    # Monitors: show a few of their members.
    ("Monitor", ["monitor"], ["contact"]),
    ("Cluster", ["monitor"], ["contact", "services"]),
    ("ServiceMonitor", ["monitor"], ["contact", "services"]),
    # Arrays: lay their members out in rows or columns.
    ("Array", ["array"], []),
    ("Rack", ["array"], ["siteAddress", "rackUnits"]),
    ("Chassis", ["array"], ["serialNumber"]),
    # Links between two devices.
    ("Link", ["link"], ["bandwidth"]),
    ("SerialLink", ["link"], ["bandwidth", "lineNumber"]),
    ("EthernetLink", ["link"], ["bandwidth"]),
    ("FiberLink", ["link"], ["bandwidth", "circuitId"]),
    ("WirelessLink", ["link"], ["bandwidth", "ssids"]),
    # Buses: shared media drawn through several points.
    ("Bus", ["bus"], []),
    ("EthernetBus", ["bus"], ["bandwidth"]),
    ("TokenRing", ["bus"], ["bandwidth"]),
    # Containers: group objects without a map of their own.
    ("Container", ["container"], ["contact"]),
    ("Group", ["container"], ["contact"]),
    ("Domain", ["container"], ["contact", "ipAddresses"]),
]

# Stored-data attributes: name -> ASN.1 syntax. Names in legacy-encoded form
# (dotSIGN, usrSIGN, upcSIGN) come from data imported from the predecessor
# network manager; a module prefix ends in ":".
SYNTAXES = {
    "contact": "OCTET STRING",
    "serialNumber": "DisplayString",
    "primaryUser": "OCTET STRING",
    "lineNumber": "PrintableString",
    "circuitId": "OCTET STRING",
    "rackUnits": "INTEGER",
    "batteryMinutes": "INTEGER",
    "channels": "INTEGER",
    "bandwidth": "INTEGER",
    "threshold": "REAL",
    "managed": "BOOLEAN",
    "Quorlan:supportLevel": "ENUMERATED { none(0), business(1), critical(2) }",
    "siteAddress": "SEQUENCE { building OCTET STRING, floor INTEGER, room OCTET STRING }",
    "snmpEndpoint": "SEQUENCE { host OCTET STRING, port INTEGER, secure BOOLEAN }",
    "ipAddresses": "SET OF OCTET STRING",
    "vlans": "SET OF INTEGER",
    "paperSizes": "SET OF PrintableString",
    "ssids": "SET OF OCTET STRING",
    "interfaces": "SET OF SEQUENCE { ifName OCTET STRING, ifSpeed INTEGER, ifUp BOOLEAN }",
    "services": "SET OF SEQUENCE { service OCTET STRING, port INTEGER }",
    "filterRules": "SET OF SEQUENCE { rule OCTET STRING, action ENUMERATED { permit(0), deny(1) } }",
    "serialPorts": "SET OF SEQUENCE { port INTEGER, speed INTEGER }",
    "volumes": "SET OF SEQUENCE { volume OCTET STRING, sizeGb INTEGER }",
    # A record with a record member: its cell holds the inner record's notation.
    "uplink": "SEQUENCE { peer OCTET STRING, vlan SEQUENCE { id INTEGER, tagged BOOLEAN } }",
    # Legacy names: Asset.tag, Cost_center, sys_contact.
    "aupcSIGNssetdotSIGNtag": "OCTET STRING",
    "cupcSIGNostusrSIGNcenter": "OCTET STRING",
    "sysusrSIGNcontact": "OCTET STRING",
}


def type_names():
    return [name for name, _, _ in TYPES]


def types_json():
    """The "types" member of a topology document."""
    return [{"name": n, "kinds": k, "attributes": a} for n, k, a in TYPES]


def type_kinds(name):
    for n, kinds, _ in TYPES:
        if n == name:
            return kinds
    raise KeyError(name)
