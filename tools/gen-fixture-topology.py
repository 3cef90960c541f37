#!/usr/bin/env python3
"""Writes the test fixture, data/fixture/topology.json.

    tools/gen-fixture-topology.py [OUTPUT]

Small, but with one object of every situation the object properties tool's
tests need. The ids are fixed: tests name them, and data/fixture/README.md
lists what each is for. Change an id only together with both.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from topology_doc import (ALL_RIGHTS, RPC_DOCUMENTS, cmip_entity, document,  # noqa: E402
                          managed_object, mis_dn, mis_entity, osi_dn, quoted,
                          rpc_agent, rpc_dn, snmp_agent, snmp_dn, write)
from topology_nodes import Topology  # noqa: E402


def add_views(t):
    t.view(1, "Root", "World", geo=(0.0, 20.0), stem="world")
    t.view(2, "Europe", "Continent", [1], (10.0, 50.0), "europe")
    t.view(3, "Lab", "Floor", [2], (-0.13, 51.51), background="floor-plan")


def add_devices(t):
    # Every shape of stored data; rackUnits (INTEGER) and managed (BOOLEAN)
    # are declared by the type but deliberately hold no value.
    t.add(10, "fx-router", "Router", [3], (-0.1276, 51.5072),
          agents=[snmp_dn("fx-router"), rpc_dn("fx-router"),
                  osi_dn('managedElementId="fx-ne1"'), mis_dn("fx-mis")],
          user_data=[
              {"name": "contact", "value": quoted("Lab desk")},
              {"name": "serialNumber", "value": quoted("SN-0001")},
              {"name": "siteAddress", "value": '{"Lab", 2, "2.01"}'},
              {"name": "ipAddresses", "value": '{"10.9.0.1", "10.9.0.2", "10.9.0.3"}'},
              {"name": "interfaces",
               "value": '{{"eth0", 100, TRUE}, {"eth1", 1000, FALSE}}'},
              {"name": "snmpEndpoint", "value": '{"10.9.0.1", 161, FALSE}'},
              {"name": "aupcSIGNssetdotSIGNtag", "value": quoted("FX-42")},
              {"name": "Quorlan:supportLevel", "value": "business"}])
    t.add(11, "fx-switch", "Switch", [3, 2], (-0.1280, 51.5070),
          user_data=[{"name": "contact", "value": quoted("Lab desk")},
                     {"name": "vlans", "value": "{10, 20}"}])
    t.add(12, "twin", "Host", [3], (-0.1290, 51.5060))
    t.add(13, "twin", "Host", [2], (2.35, 48.86))
    t.add(14, "fx-link", "Link", [3], links=[10, 11],
          user_data=[{"name": "bandwidth", "value": "1000"}])
    t.add(15, "fx-bus", "Bus", [3], bus=[{"x": 10, "y": 300, "z": 0},
                                         {"x": 200, "y": 300, "z": 0},
                                         {"x": 400, "y": 320, "z": 0}])
    t.add(16, "fx-hub", "Hub", [3], (-0.1300, 51.5080))
    t.add(17, "fx-firewall", "Firewall", [3], (-0.1310, 51.5080),
          user_data=[{"name": "filterRules",
                      "value": '{{"allow ssh", permit}, {"any", deny}}'},
                     {"name": "aupcSIGNssetdotSIGNtag", "value": quoted("FX-43")},
                     {"name": "uplink", "value": '{"fx-router", {7, TRUE}}'}])


def add_groups(t):
    for i in range(5):
        t.add(21 + i, "member-%d" % (i + 1), "Server", [3])
    t.add(20, "fx-monitor", "Monitor", [3],
          monitor={"max_visible": 3, "rotation": 30,
                   "visible": [21, 22, 23], "hidden": [24, 25]})
    t.add(30, "fx-array", "Array", [3],
          array={"visible": [31, 32], "hidden": [33], "orientation": "vertical",
                 "columns": 4, "cell_width": 0, "cell_height": 25})
    for nid, name in ((31, "cell-a"), (32, "cell-a"), (33, "cell-c")):
        t.add(nid, name, "Transceiver", [30])
    t.add(40, "fx-group", "Group", [3])


def objects():
    snmp = snmp_agent("fx-router", "127.0.0.1")
    rpc = rpc_agent("fx-router", [("RPC Proxy - ping", "localhost"),
                                  ("RPC Agent - disk", "fx-router")])
    return [snmp,
            managed_object(snmp["dn"] + '/mibGroupId="system"', "snmpMibGroup"),
            managed_object(snmp["dn"] + '/mibGroupId="interfaces"', "snmpMibGroup"),
            managed_object(snmp["dn"] + '/mibGroupId="interfaces"/ifEntryId=1', "ifEntry"),
            rpc,
            managed_object(rpc["dn"] + '/rpcServiceId="disk"', "rpcService"),
            cmip_entity("fx-osi-1", [osi_dn('managedElementId="fx-ne1"')],
                        selectors=("", "", "", "490001aa0004")),
            mis_entity("fx-mis"),
            managed_object(mis_dn("fx-mis") + '/logId="alarmLog"', "log")]


def users():
    every = ALL_RIGHTS
    return [{"name": "admin", "password": "admin", "rights": every},
            {"name": "viewer", "password": "viewer", "rights": ["RunObjectProperties"]},
            {"name": "nocreate", "password": "nocreate",
             "rights": [r for r in every if r != "CreateObjects"]},
            {"name": "nocoord", "password": "nocoord",
             "rights": [r for r in every if r != "ModifyCoordinates"]},
            {"name": "norun", "password": "norun", "rights": []}]


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "fixture", "topology.json")
    t = Topology()
    add_views(t)
    add_devices(t)
    add_groups(t)
    write(out, document(t.sorted_nodes(), objects(), users(), systems=["fx-mis"],
                        documents=RPC_DOCUMENTS + ["IIMCRFC1213-MIB", "IF-MIB", "HOST-RESOURCES-MIB", "SYSLOG"]))


if __name__ == "__main__":
    main()
