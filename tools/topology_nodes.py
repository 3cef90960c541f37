"""Collects the topology nodes of a document and places them in their views.

A node placed in a view that has a map background lies where its
geographical coordinates fall on that background; in other views nodes are
laid out on a grid in the order they were added.
"""
from topology_doc import map_position


class Topology:
    def __init__(self):
        self.nodes = {}      # id -> node member of the document
        self.map_of = {}     # view id -> map stem
        self.children = {}   # parent id -> number of children placed so far

    def add(self, nid, name, type_name, parents=(), geo=None, **members):
        if nid in self.nodes:
            raise ValueError("node id %d used twice" % nid)
        node = {"id": nid, "name": name, "type": type_name}
        if parents:
            node["parents"] = list(parents)
            node["locations"] = [self.location(p, geo) for p in parents]
        if geo:
            node["geo"] = {"longitude": geo[0], "latitude": geo[1]}
        node.update(members)
        self.nodes[nid] = node
        return node

    def view(self, nid, name, type_name, parents=(), geo=None, stem=None, background=None):
        """A view; with a map stem it gets that map and its picture."""
        members = {}
        if stem:
            self.map_of[nid] = stem
            members["background"] = "backgrounds/%s.xpm" % stem
            members["map"] = "mapdata/%s.map" % stem
        elif background:
            members["background"] = "backgrounds/%s.xpm" % background
        return self.add(nid, name, type_name, parents, geo, **members)

    def add_parent(self, nid, parent):
        """Also shows node nid in view parent (a member of a monitor, array or container)."""
        node = self.nodes[nid]
        geo = node.get("geo")
        node.setdefault("parents", []).append(parent)
        node.setdefault("locations", []).append(
            self.location(parent, (geo["longitude"], geo["latitude"]) if geo else None))

    def location(self, parent, geo):
        stem = self.map_of.get(parent)
        if stem and geo:
            x, y = map_position(stem, *geo)
        else:
            i = self.children.get(parent, 0)
            self.children[parent] = i + 1
            x, y = 60 + (i % 6) * 70, 50 + (i // 6) * 70
        return {"parent": parent, "x": x, "y": y, "z": 0}

    def sorted_nodes(self):
        return [self.nodes[k] for k in sorted(self.nodes)]
