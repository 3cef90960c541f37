#!/usr/bin/env python3
"""Writes the demo topology, data/demo/topology.json.

    tools/gen-demo-topology.py [OUTPUT]

A world-wide network: World > continents > countries > cities > campus,
building and floor, with devices of every type, monitors, arrays, links,
buses, containers, stored data of every shape, and agents of the four
protocols with a few managed objects below each. data/demo/README.md
describes it.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from topology_doc import (ALL_RIGHTS, RPC_DOCUMENTS, cmip_entity, document,  # noqa: E402
                          managed_object, mis_dn, mis_entity, osi_dn, quoted,
                          rpc_agent, rpc_dn, snmp_agent, snmp_dn, write)
from topology_nodes import Topology  # noqa: E402

CITIES = {"London": (-0.13, 51.51), "Paris": (2.35, 48.86),
          "Frankfurt": (8.68, 50.11), "New York": (-74.01, 40.71),
          "Tokyo": (139.69, 35.69)}


def near(city, i):
    """A point a few hundred metres from a city centre."""
    lon, lat = CITIES[city]
    return (round(lon + 0.004 * (i % 5 - 2), 4), round(lat + 0.003 * (i // 5 - 1), 4))


def ud(**values):
    """Stored data: attribute name -> value notation (legacy and prefixed
    names through their keyword spelling below)."""
    names = {"asset_tag": "aupcSIGNssetdotSIGNtag", "cost_center": "cupcSIGNostusrSIGNcenter",
             "sys_contact": "sysusrSIGNcontact", "support_level": "Quorlan:supportLevel"}
    return [{"name": names.get(k, k), "value": v} for k, v in values.items()]


def add_views(t):
    t.view(1, "World", "World", geo=(0.0, 20.0), stem="world")
    t.view(2, "Europe", "Continent", [1], (10.0, 50.0), "europe")
    t.view(3, "North America", "Continent", [1], (-100.0, 45.0), "north-america")
    t.view(4, "Asia", "Continent", [1], (100.0, 35.0), "asia")
    t.view(5, "United Kingdom", "Country", [2], (-2.0, 54.0), "united-kingdom")
    t.view(6, "France", "Country", [2], (2.2, 46.6), "france")
    t.view(7, "Germany", "Country", [2], (10.4, 51.2), "germany")
    t.view(8, "United States", "Country", [3], (-98.6, 39.8), "usa")
    t.view(9, "Japan", "Country", [4], (138.3, 36.2), "japan")
    t.view(10, "London", "City", [5], CITIES["London"])
    t.view(11, "Paris", "City", [6], CITIES["Paris"])
    t.view(13, "Frankfurt", "City", [7], CITIES["Frankfurt"])
    t.view(14, "New York", "City", [8], CITIES["New York"])
    t.view(15, "Tokyo", "City", [9], CITIES["Tokyo"])
    t.view(16, "Docklands Campus", "Campus", [10], near("London", 12), background="campus")
    t.view(17, "Canary House", "Building", [16], near("London", 13))
    t.view(18, "Floor 3", "Floor", [17], near("London", 13), background="floor-plan")
    t.view(19, "Core Network", "Subnet", [10], CITIES["London"])
    t.view(83, "Tokyo lab", "View", [15], near("Tokyo", 7))
    t.nodes[16]["user_data"] = ud(contact=quoted("Facilities, Docklands"),
                                  siteAddress='{"Docklands", 0, "Gatehouse"}')
    t.nodes[17]["user_data"] = ud(contact=quoted("Reception +44 20 7946 0300"),
                                  siteAddress='{"Canary House", 0, "Lobby"}')
    t.nodes[18]["user_data"] = ud(siteAddress='{"Canary House", 3, "Open plan"}')
    t.nodes[19]["user_data"] = ud(ipAddresses='{"10.1.0.0/16", "2001:db8:1::/48"}',
                                  sys_contact=quoted("netops@zentra.example"))


def add_london(t):
    t.add(12, "router-lon-1", "Router", [10, 19], near("London", 0),
          agents=[snmp_dn("router-lon-1"), rpc_dn("router-lon-1")],
          user_data=ud(contact=quoted("NOC London +44 20 7946 0000"),
                       serialNumber=quoted("FTX1842A0K7"), rackUnits="2", managed="TRUE",
                       siteAddress='{"Canary House", 3, "3.14"}',
                       ipAddresses='{"10.1.0.1", "192.0.2.1", "2001:db8:1::1"}',
                       interfaces='{{"ge-0/0/0", 1000, TRUE}, {"ge-0/0/1", 1000, TRUE},'
                                  ' {"se-1/0/0", 2, FALSE}}',
                       snmpEndpoint='{"10.1.0.1", 161, FALSE}',
                       asset_tag=quoted("LON-000123"), support_level="critical"))
    t.add(20, "switch-lon-1", "Switch", [10], near("London", 1),
          agents=[snmp_dn("switch-lon-1") + '/mibGroupId="interfaces"'],
          user_data=ud(contact=quoted("NOC London"), serialNumber=quoted("JAE09281XYZ"),
                       rackUnits="1", managed="TRUE", vlans="{10, 20, 30, 99}",
                       interfaces='{{"Gi1/0/1", 1000, TRUE}, {"Gi1/0/2", 1000, FALSE}}'))
    t.add(21, "fw-lon-1", "Firewall", [10], near("London", 2),
          agents=[snmp_dn("fw-lon-1")],
          user_data=ud(contact=quoted("Security team"), managed="TRUE",
                       ipAddresses='{"192.0.2.254"}', asset_tag=quoted("LON-000130"),
                       filterRules='{{"allow ssh from 10.0.0.0/8", permit},'
                                   ' {"allow https from any", permit}, {"any", deny}}',
                       uplink='{"router-lon-1", {120, TRUE}}'))
    floor = [(22, "srv-lon-1", "Server"), (23, "ws-lon-1", "Workstation"),
             (24, "pc-lon-1", "PC"), (25, "laptop-lon-1", "Laptop"),
             (26, "prn-lon-1", "Printer"), (27, "hub-lon-1", "Hub"),
             (28, "ap-lon-1", "AccessPoint"), (29, "ups-lon-1", "UPS"),
             (31, "sensor-lon-1", "Sensor")]
    for i, (nid, name, type_name) in enumerate(floor):
        t.add(nid, name, type_name, [18], near("London", 13 + i % 2))
    t.add(30, "cam-lon-1", "Camera", [16], near("London", 12),
          user_data=ud(contact=quoted("Facilities"), serialNumber=quoted("CAM-2231")))
    t.add(32, "gw", "Gateway", [10], near("London", 3),
          user_data=ud(contact=quoted("NOC London"), ipAddresses='{"10.1.255.1"}'))
    t.nodes[22].update(agents=[rpc_dn("srv-lon-1")], user_data=ud(
        contact=quoted("Platform team"), serialNumber=quoted("CZJ1234567"), rackUnits="2",
        managed="TRUE", siteAddress='{"Canary House", 3, "Server room"}',
        ipAddresses='{"10.1.10.11"}', services='{{"http", 80}, {"https", 443}, {"ssh", 22}}',
        cost_center=quoted("CC-4711")))
    t.nodes[23]["user_data"] = ud(contact=quoted("NOC desk 1"), primaryUser=quoted("asmith"),
                                  managed="FALSE")
    t.nodes[24]["user_data"] = ud(primaryUser=quoted("bjones"))
    t.nodes[26]["user_data"] = ud(contact=quoted("Helpdesk"), paperSizes='{"A4", "A3"}')
    t.nodes[28]["user_data"] = ud(ssids='{"zentra-staff", "zentra-guest"}')
    t.nodes[29]["user_data"] = ud(batteryMinutes="45")
    t.nodes[31]["user_data"] = ud(contact=quoted("Facilities"), threshold="38.5")


def add_paris_frankfurt(t):
    t.add(33, "router-par-1", "Router", [11], near("Paris", 0),
          agents=[snmp_dn("router-par-1_private"), rpc_dn("router-par-1"),
                  osi_dn('managedElementId="par-ne1"'), mis_dn("mis-paris")],
          user_data=ud(contact=quoted("NOC Paris +33 1 70 00 00 00"),
                       serialNumber=quoted("FTX2011B1C3"), managed="TRUE",
                       interfaces='{{"ge-0/0/0", 10000, TRUE}}',
                       snmpEndpoint='{"10.2.0.1", 161, TRUE}', support_level="business"))
    for i, (nid, name, type_name) in enumerate(
            [(34, "switch-par-1", "Switch"), (35, "bridge-par-1", "Bridge"),
             (36, "modem-par-1", "Modem"), (37, "mux-par-1", "Multiplexer"),
             (38, "pbx-par-1", "PBX"), (39, "ts-par-1", "TerminalServer")]):
        t.add(nid, name, type_name, [11], near("Paris", i + 1))
    t.add(40, "gw", "Gateway", [11], near("Paris", 8),
          user_data=ud(contact=quoted("NOC Paris"), ipAddresses='{"10.2.255.1"}'))
    t.nodes[36]["user_data"] = ud(lineNumber=quoted("+33 1 70 00 00 99"))
    t.nodes[37]["user_data"] = ud(channels="24")
    t.nodes[38].update(agents=[mis_dn("mis-paris") + '/logId="alarmLog"'],
                       user_data=ud(lineNumber=quoted("+33 1 70 00 00 00")))
    t.nodes[39]["user_data"] = ud(serialPorts='{{1, 9600}, {2, 9600}, {3, 115200}}')
    t.add(41, "router-fra-1", "Router", [13], near("Frankfurt", 0),
          agents=[osi_dn('managedElementId="fra-ne1"')],
          user_data=ud(contact=quoted("NOC Frankfurt"), managed="TRUE"))
    t.add(42, "mainframe-fra-1", "Mainframe", [13], near("Frankfurt", 1),
          agents=[osi_dn('managedElementId="fra-ne2"')],
          user_data=ud(contact=quoted("Host operations"), rackUnits="42",
                       cost_center=quoted("CC-0815")))
    t.add(43, "nas-fra-1", "NAS", [13], near("Frankfurt", 2),
          user_data=ud(volumes='{{"vol0", 2048}, {"backup", 8192}}'))
    t.add(44, "lb-fra-1", "LoadBalancer", [13], near("Frankfurt", 3),
          user_data=ud(services='{{"https", 443}}'))
    t.add(45, "rep-fra-1", "Repeater", [13], near("Frankfurt", 4))
    t.add(46, "xcvr-fra-1", "Transceiver", [13], near("Frankfurt", 5))


def add_america_asia(t):
    t.add(47, "router-nyc-1", "Router", [14], near("New York", 0),
          agents=[snmp_dn("router-nyc-1")],
          user_data=ud(contact=quoted("NOC New York +1 212 555 0100"), managed="TRUE"))
    for i in range(5):
        t.add(48 + i, "srv-nyc-%d" % (i + 1), "Server", [14], near("New York", i + 1),
              agents=[rpc_dn("srv-nyc-%d" % (i + 1))] if i == 0 else [],
              user_data=ud(services='{{"http", 8080}}', ipAddresses='{"10.3.0.%d"}' % (11 + i)))
    t.add(53, "host-nyc-1", "Host", [14], near("New York", 7),
          user_data=ud(contact=quoted("Trading desk"), managed="TRUE"))
    t.add(54, "router-tyo-1", "Router", [15], near("Tokyo", 0),
          agents=[snmp_dn("router-tyo-1"), mis_dn("mis-tokyo")],
          user_data=ud(contact=quoted("NOC Tokyo +81 3 0000 0000")))
    t.add(55, "srv-tyo-1", "Server", [15], near("Tokyo", 1))
    t.add(56, "host-tyo-1", "Host", [83], near("Tokyo", 7))


def add_groups(t):
    """Monitors, arrays and containers."""
    t.add(57, "NYC web farm", "Cluster", [14], near("New York", 10),
          monitor={"max_visible": 3, "rotation": 0, "visible": [48, 49, 50], "hidden": [51, 52]},
          user_data=ud(contact=quoted("Web team"), services='{{"http", 8080}}'))
    t.add(58, "London services", "ServiceMonitor", [10], near("London", 4),
          monitor={"max_visible": 2, "rotation": 90, "visible": [22, 12, 21], "hidden": [20]})
    t.add(59, "Core routers", "Monitor", [1], (-30.0, 40.0),
          monitor={"max_visible": 4, "rotation": 45, "visible": [12, 33, 41, 47], "hidden": [54]})
    t.add(60, "Rack A1", "Rack", [18], near("London", 14),
          array={"visible": [61, 62, 63], "hidden": [64], "orientation": "vertical",
                 "columns": 1, "cell_width": 0, "cell_height": 25},
          user_data=ud(siteAddress='{"Canary House", 3, "Server room"}', rackUnits="42"))
    for nid, name, type_name in ((61, "srv-lon-2", "Server"), (62, "srv-lon-3", "Server"),
                                 (63, "nas-lon-1", "NAS"), (64, "sw-lon-2", "Switch")):
        t.add(nid, name, type_name, [60], near("London", 14))
    t.add(65, "Chassis F1", "Chassis", [13], near("Frankfurt", 6),
          array={"visible": [66, 67, 68], "hidden": [], "orientation": "horizontal",
                 "columns": 4, "cell_width": 12, "cell_height": 30},
          user_data=ud(serialNumber=quoted("CHS-7710-01")))
    for nid, name in ((66, "line-card"), (67, "line-card"), (68, "xcvr-fra-4")):
        t.add(nid, name, "Transceiver", [65], near("Frankfurt", 6))
    t.add(69, "Patch panel", "Array", [11], near("Paris", 9),
          array={"visible": [], "hidden": [38, 39], "orientation": "horizontal",
                 "columns": 0, "cell_width": 0, "cell_height": 25})
    # The cluster, the patch panel and the containers hold their members; the
    # two other monitors only watch objects that live elsewhere.
    groups = {57: [48, 49, 50, 51, 52], 69: [38, 39]}
    t.add(80, "NOC consoles", "Group", [10], near("London", 5),
          user_data=ud(contact=quoted("NOC London")))
    t.add(81, "Frankfurt DC", "Domain", [13], near("Frankfurt", 7),
          user_data=ud(contact=quoted("DC operations"), ipAddresses='{"10.4.0.0/16"}'))
    t.add(82, "Spares", "Container", [13], near("Frankfurt", 8))
    groups.update({80: [23, 24], 81: [43, 44]})
    for parent, members in groups.items():
        for nid in members:
            t.add_parent(nid, parent)


def add_links_buses(t):
    links = [(70, "FiberLink", 12, 33, 2, "10000", {"circuitId": quoted("EU-LON-PAR-001")}),
             (71, "EthernetLink", 12, 20, 10, "1000", {}),
             (72, "SerialLink", 33, 36, 11, "2", {"lineNumber": quoted("+33 1 70 00 00 99")}),
             (73, "Link", 41, 33, 2, "1000", {}),
             (74, "FiberLink", 47, 12, 1, "100000", {"circuitId": quoted("TA-NYC-LON-7")}),
             (75, "WirelessLink", 28, 25, 18, "300", {"ssids": '{"zentra-staff"}'}),
             (76, "Link", 54, 47, 1, "10000", {})]
    for nid, type_name, a, b, parent, bandwidth, extra in links:
        name = "%s-%s" % (t.nodes[a]["name"], t.nodes[b]["name"])
        t.add(nid, name, type_name, [parent], links=[a, b],
              user_data=ud(bandwidth=bandwidth, **extra))
    t.add(77, "Floor 3 LAN", "EthernetBus", [18], bus=[
        {"x": 20, "y": 200, "z": 0}, {"x": 300, "y": 200, "z": 0}],
        user_data=ud(bandwidth="1000"))
    t.add(78, "Paris token ring", "TokenRing", [11], bus=[
        {"x": 100, "y": 100, "z": 0}, {"x": 300, "y": 100, "z": 0},
        {"x": 300, "y": 250, "z": 0}, {"x": 100, "y": 250, "z": 0}],
        user_data=ud(bandwidth="16"))
    t.add(79, "Backbone", "Bus", [14], bus=[
        {"x": 40, "y": 300, "z": 0}, {"x": 240, "y": 300, "z": 0}, {"x": 440, "y": 320, "z": 0}])


ROUTER_MIBS = ["IIMCRFC1213-MIB", "IF-MIB", "IP-MIB", "TCP-MIB", "UDP-MIB"]
SERVER_MIBS = ["IIMCRFC1213-MIB", "HOST-RESOURCES-MIB", "UCD-SNMP-MIB", "UCD-DISKIO-MIB"]
# The MIB modules the metadata repository names besides the Debian MIB
# directory's (UCD-SNMP-MIB, LM-SENSORS-MIB, NET-SNMP-AGENT-MIB, ...).
MIB_DOCUMENTS = ["IIMCRFC1213-MIB", "IF-MIB", "IP-MIB", "TCP-MIB", "UDP-MIB", "BRIDGE-MIB",
                 "EtherLike-MIB", "HOST-RESOURCES-MIB", "ENTITY-MIB"]

# The SNMP proxy agent of every device with agents: node, agent host (the
# device, or the device and its read community), address, read and write
# communities, SNMP version (0 v1, 1 v2c) and supported MIBs.
SNMP_AGENTS = [
    (12, "router-lon-1", "10.1.0.1", "gusset", "lantern", 1, ROUTER_MIBS),
    (20, "switch-lon-1", "10.1.0.2", "gusset", "lantern", 1,
     ["IIMCRFC1213-MIB", "IF-MIB", "BRIDGE-MIB", "EtherLike-MIB"]),
    (21, "fw-lon-1", "192.0.2.254", "gusset", "fw-rw-7", 0, ["IIMCRFC1213-MIB", "IF-MIB", "IP-MIB"]),
    (22, "srv-lon-1", "10.1.10.11", "gusset", "lantern", 1, SERVER_MIBS),
    (33, "router-par-1_private", "10.2.0.1", "private", "private-rw", 1, ROUTER_MIBS),
    (38, "pbx-par-1", "10.2.0.38", "gusset", "lantern", 0, ["IIMCRFC1213-MIB", "ENTITY-MIB"]),
    (41, "router-fra-1", "10.4.0.1", "gusset", "lantern", 1, ROUTER_MIBS),
    (42, "mainframe-fra-1", "10.4.1.10", "gusset", "lantern", 1, ["IIMCRFC1213-MIB", "HOST-RESOURCES-MIB"]),
    (47, "router-nyc-1", "10.3.0.1", "gusset", "lantern", 1, ROUTER_MIBS),
    (48, "srv-nyc-1", "10.3.0.11", "gusset", "lantern", 1, SERVER_MIBS + ["LM-SENSORS-MIB"]),
    (54, "router-tyo-1", "10.5.0.1", "gusset", "lantern", 0, ["IIMCRFC1213-MIB", "IF-MIB"]),
]

# The RPC proxy agent of every device with agents: what it runs. Proxies run
# on the management station, RPC agents on the device itself.
NETWORK_RPC = ["RPC Proxy - ping", "RPC Proxy - snmp"]
HOST_RPC = ["RPC Proxy - ping", "RPC Agent - disk", "RPC Agent - cpu", "RPC Agent - mem", "RPC Agent - proc"]
RPC_AGENTS = {12: NETWORK_RPC, 20: NETWORK_RPC, 21: NETWORK_RPC, 22: HOST_RPC, 33: NETWORK_RPC,
              38: NETWORK_RPC, 41: NETWORK_RPC, 42: HOST_RPC, 47: NETWORK_RPC,
              48: HOST_RPC + ["RPC Agent - net"], 54: NETWORK_RPC}


def add_proxy_agents(t):
    """Every device with agents lists its SNMP and RPC agents first (an SNMP
    DN it has already, with its object path, is kept)."""
    for nid, host, *_ in SNMP_AGENTS:
        node = t.nodes[nid]
        agents = node.get("agents", [])
        snmp = [a for a in agents if "snmpProxy" in a] or [snmp_dn(host)]
        rpc = [a for a in agents if 'RPC"/' in a] or [rpc_dn(node["name"])]
        node["agents"] = snmp + rpc + [a for a in agents if a not in snmp and a not in rpc]


def schemas(nid, host):
    return [(name, "localhost" if "Proxy" in name else host) for name in RPC_AGENTS[nid]]


def agent_objects(t):
    objs = [snmp_agent(host, address, read, version, mibs, write)
            for _, host, address, read, write, version, mibs in SNMP_AGENTS]
    base = objs[0]["dn"]
    objs += [managed_object(base + '/mibGroupId="system"', "snmpMibGroup", sysName="router-lon-1"),
             managed_object(base + '/mibGroupId="interfaces"', "snmpMibGroup", ifNumber=3),
             managed_object(base + '/mibGroupId="interfaces"/ifEntryId=1', "ifEntry", ifDescr="ge-0/0/0"),
             managed_object(base + '/mibGroupId="interfaces"/ifEntryId=2', "ifEntry", ifDescr="ge-0/0/1"),
             managed_object(base + '/mibGroupId="ip"', "snmpMibGroup"),
             managed_object(objs[1]["dn"] + '/mibGroupId="interfaces"', "snmpMibGroup", ifNumber=48)]
    for nid in RPC_AGENTS:
        host = t.nodes[nid]["name"]
        objs.append(rpc_agent(host, schemas(nid, host)))
    srv = rpc_dn("srv-lon-1")
    objs += [managed_object(srv + '/rpcServiceId="disk"', "rpcService"),
             managed_object(srv + '/rpcServiceId="disk"/diskId="sda"', "disk", sizeGb=512),
             managed_object(srv + '/rpcServiceId="disk"/diskId="sdb"', "disk", sizeGb=2048),
             managed_object(srv + '/rpcServiceId="ping"', "rpcService")]
    objs += [cmip_entity("osi-fra-1", [osi_dn('managedElementId="fra-ne1"'),
                                       osi_dn('managedElementId="fra-ne2"')],
                         selectors=("0001", "0001", "0001", "490001aa000400110120")),
             cmip_entity("osi-fra-2", [osi_dn('managedElementId="fra-ne3"')],
                         selectors=("", "", "", "490001aa000400110121"),
                         title="{ 1 3 6 1 4 1 9999 2 }", translation="LDN",
                         mpa={"host": "mpa-fra-1", "port": 5557, "default": False}),
             cmip_entity("osi-par-1", [osi_dn('managedElementId="par-ne1"')],
                         selectors=("", "", "", "490002bb000400110130"), translation="FDN"),
             mis_entity("mis-paris"), mis_entity("mis-tokyo", 5556)]
    for mis in ("mis-paris", "mis-tokyo"):
        objs += [managed_object(mis_dn(mis) + '/logId="alarmLog"', "log", maxLogSize=10000),
                 managed_object(mis_dn(mis) + '/logId="alarmLog"/logRecordId=1', "alarmRecord",
                                perceivedSeverity="minor"),
                 managed_object(mis_dn(mis) + '/eventForwardingDiscriminatorId="efd-noc"',
                                "eventForwardingDiscriminator", destination="noc")]
    return objs


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "demo", "topology.json")
    t = Topology()
    add_views(t)
    add_london(t)
    add_paris_frankfurt(t)
    add_america_asia(t)
    add_groups(t)
    add_links_buses(t)
    add_proxy_agents(t)
    users = [{"name": "admin", "password": "zentra-admin", "rights": ALL_RIGHTS},
             {"name": "operator", "password": "zentra-operator", "rights": ALL_RIGHTS[:-1]},
             {"name": "viewer", "password": "zentra-viewer", "rights": ["RunObjectProperties"]}]
    documents = RPC_DOCUMENTS + MIB_DOCUMENTS + ["SYSLOG"]
    write(out, document(t.sorted_nodes(), agent_objects(t), users,
                        systems=["mis-paris", "mis-tokyo"], documents=documents,
                        mib_dirs=["/usr/share/snmp/mibs"]))


if __name__ == "__main__":
    main()
