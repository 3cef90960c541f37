"""The drawings of the type glyphs and drag icons, one function per picture.

Coordinates are pixels of a 32x32 canvas (glyph_canvas.Canvas); colours are
palette letters: k black, w white, g/d light/dark grey, b/l dark/light blue,
r red, o orange, y yellow, G green, n brown, c cyan.
"""


# ---- shared parts -------------------------------------------------------

def arrow_right(c, x0, x1, y, col):
    c.line(x0, y, x1, y, col)
    c.line(x1 - 2, y - 2, x1, y, col)
    c.line(x1 - 2, y + 2, x1, y, col)


def arrow_left(c, x0, x1, y, col):
    c.line(x0, y, x1, y, col)
    c.line(x0 + 2, y - 2, x0, y, col)
    c.line(x0 + 2, y + 2, x0, y, col)


def leds(c, x, y, colours):
    for i, col in enumerate(colours):
        c.fill(x + 3 * i, y, x + 3 * i + 1, y + 1, col)


def slab(c, y0, y1, face="l"):
    """A flat network box seen slightly from above."""
    c.polygon([(3, y0 + 3), (7, y0), (29, y0), (29, y1 - 3), (25, y1), (3, y1)], "k", face)
    c.line(3, y0 + 3, 25, y0 + 3, "k")
    c.line(25, y0 + 3, 29, y0, "k")
    c.line(25, y0 + 3, 25, y1, "k")


def screen(c, x0, y0, x1, y1, glass="c"):
    c.box(x0, y0, x1, y1, "k", "g")
    c.box(x0 + 2, y0 + 2, x1 - 2, y1 - 2, "d", glass)


def tower(c, x0, y0, x1, y1):
    c.box(x0, y0, x1, y1, "k", "g")
    for y in range(y0 + 3, y0 + 9, 3):
        c.fill(x0 + 2, y, x1 - 2, y + 1, "d")
    c.fill(x1 - 3, y1 - 3, x1 - 2, y1 - 2, "G")


def building(c, x0, y0, x1, y1, wall="n"):
    c.box(x0, y0, x1, y1, "k", wall)
    for y in range(y0 + 2, y1 - 3, 4):
        for x in range(x0 + 2, x1 - 1, 4):
            c.fill(x, y, x + 1, y + 1, "y")
    c.fill((x0 + x1) // 2 - 1, y1 - 3, (x0 + x1) // 2 + 1, y1, "k")


def globe(c, fill="l"):
    c.ellipse(16, 16, 13, 13, "b", fill)
    c.ellipse(16, 16, 6, 13, "b")
    c.line(3, 16, 29, 16, "b")
    c.line(6, 9, 26, 9, "b")
    c.line(6, 23, 26, 23, "b")
    c.line(16, 3, 16, 29, "b")


def small_box(c, x, y, face="l"):
    c.box(x, y, x + 7, y + 5, "k", face)
    c.put(x + 2, y + 2, "G")


# ---- views --------------------------------------------------------------

def world(c):
    globe(c)
    c.polygon([(8, 10), (13, 8), (14, 13), (10, 17), (7, 14)], "G", "G")
    c.polygon([(18, 7), (24, 9), (26, 14), (21, 15), (18, 11)], "G", "G")
    c.polygon([(17, 19), (22, 19), (20, 26), (17, 24)], "G", "G")


def continent(c):
    c.ellipse(16, 16, 13, 13, "b", "l")
    c.polygon([(8, 8), (20, 6), (25, 12), (22, 20), (16, 26), (12, 20), (7, 16)], "k", "G")
    c.fill(14, 13, 15, 14, "r")


def country(c):
    c.line(6, 3, 6, 29, "k")
    c.line(7, 3, 7, 29, "d")
    c.fill(8, 4, 27, 17, "w")
    c.fill(8, 4, 14, 17, "b")
    c.fill(21, 4, 27, 17, "r")
    c.box(8, 4, 27, 17, "k")
    c.fill(3, 28, 11, 29, "d")


def city(c):
    building(c, 2, 12, 10, 29, "d")
    building(c, 11, 4, 20, 29, "g")
    building(c, 21, 15, 29, 29, "n")
    c.line(0, 30, 31, 30, "k")


def campus(c):
    c.fill(0, 24, 31, 30, "G")
    building(c, 2, 14, 11, 27, "n")
    building(c, 14, 9, 23, 27, "g")
    c.ellipse(27, 20, 3, 4, "G", "G")
    c.line(27, 24, 27, 27, "n")


def building_glyph(c):
    c.polygon([(4, 9), (16, 2), (28, 9)], "k", "r")
    building(c, 6, 9, 26, 29, "g")


def floor(c):
    c.box(2, 4, 29, 27, "k", "w")
    c.line(2, 15, 14, 15, "k")
    c.line(14, 4, 14, 12, "k")
    c.line(14, 18, 14, 27, "k")
    c.line(20, 15, 29, 15, "k")
    c.fill(4, 6, 8, 9, "n")
    c.fill(22, 18, 27, 21, "n")
    c.fill(5, 19, 9, 24, "l")


def subnet(c):
    c.ellipse(11, 16, 7, 6, "b", "l")
    c.ellipse(21, 14, 8, 7, "b", "l")
    c.ellipse(16, 20, 10, 5, "b", "l")
    c.fill(8, 15, 24, 21, "l")
    for x in (9, 16, 23):
        c.line(x, 24, x, 29, "k")
    c.line(9, 29, 23, 29, "k")


def view(c):
    c.box(2, 4, 29, 27, "k", "w")
    c.fill(3, 5, 28, 8, "b")
    c.fill(25, 6, 27, 7, "w")
    c.polygon([(5, 24), (12, 13), (17, 20), (21, 16), (27, 24)], "G", "G")
    c.ellipse(23, 12, 2, 2, "o", "y")


# ---- devices ------------------------------------------------------------

def host(c):
    c.box(4, 5, 27, 26, "k", "g")
    c.fill(7, 8, 24, 9, "d")
    c.fill(7, 12, 24, 13, "d")
    c.fill(7, 20, 10, 21, "G")
    c.fill(3, 27, 28, 28, "k")


def router(c):
    c.ellipse(16, 22, 13, 5, "k", "b")
    c.fill(3, 11, 29, 22, "b")
    c.line(3, 11, 3, 22, "k")
    c.line(29, 11, 29, 22, "k")
    c.ellipse(16, 11, 13, 5, "k", "l")
    arrow_right(c, 17, 25, 10, "w")
    arrow_left(c, 7, 15, 12, "w")
    c.line(16, 6, 16, 9, "w")
    c.line(14, 8, 16, 6, "w")
    c.line(18, 8, 16, 6, "w")


def switch(c):
    slab(c, 8, 24)
    arrow_right(c, 6, 20, 13, "w")
    arrow_left(c, 6, 20, 19, "w")
    leds(c, 6, 21, "GGo")


def hub(c):
    slab(c, 10, 24, "g")
    for x in range(5, 23, 4):
        c.box(x, 17, x + 2, 20, "k", "d")
    leds(c, 5, 14, "GGGG")


def bridge(c):
    slab(c, 12, 27)
    c.line(3, 10, 29, 10, "k")
    c.ellipse(16, 12, 8, 6, "k")
    c.fill(7, 13, 25, 17, "l")
    c.line(6, 20, 26, 20, "w")


def firewall(c):
    c.box(2, 6, 29, 27, "k", "r")
    for row, y in enumerate(range(6, 27, 5)):
        c.line(2, y, 29, y, "w")
        off = 0 if row % 2 == 0 else 4
        for x in range(2 + off, 30, 8):
            c.line(x, y, x, min(y + 5, 27), "w")
    c.box(2, 6, 29, 27, "k")


def server(c):
    tower(c, 9, 2, 22, 29)
    c.fill(11, 13, 20, 14, "d")
    c.fill(11, 17, 20, 18, "d")
    leds(c, 11, 22, "GG")


def workstation(c):
    screen(c, 4, 3, 27, 20)
    c.fill(13, 21, 18, 23, "d")
    c.box(2, 25, 29, 29, "k", "g")
    for x in range(4, 28, 3):
        c.put(x, 27, "k")


def pc(c):
    screen(c, 2, 4, 20, 18)
    c.fill(9, 19, 13, 21, "d")
    c.fill(5, 22, 17, 23, "d")
    tower(c, 22, 8, 29, 28)
    c.box(2, 25, 18, 28, "k", "g")


def laptop(c):
    c.polygon([(7, 4), (25, 4), (25, 19), (7, 19)], "k", "g")
    c.fill(9, 6, 23, 17, "c")
    c.polygon([(7, 20), (25, 20), (30, 27), (2, 27)], "k", "g")
    for x in range(7, 26, 3):
        c.put(x, 23, "k")
    c.line(12, 25, 20, 25, "d")


def printer(c):
    c.box(8, 2, 23, 11, "k", "w")
    c.line(10, 5, 21, 5, "g")
    c.line(10, 8, 19, 8, "g")
    c.box(3, 11, 28, 23, "k", "g")
    c.fill(24, 14, 25, 15, "G")
    c.box(7, 20, 24, 29, "k", "w")
    c.line(9, 24, 22, 24, "g")


def modem(c):
    slab(c, 14, 26, "g")
    leds(c, 6, 21, "GGyr")
    c.polyline([(18, 14), (18, 9), (22, 5), (26, 9), (30, 5)], "k")


def multiplexer(c):
    c.polygon([(10, 4), (22, 10), (22, 22), (10, 28)], "k", "l")
    for y in (7, 12, 16, 20, 25):
        c.line(2, y, 10, y, "k")
    c.line(22, 16, 30, 16, "r")
    c.line(22, 15, 30, 15, "r")


def gateway(c):
    c.box(3, 6, 28, 26, "k", "l")
    c.box(12, 10, 19, 26, "k", "n")
    c.put(17, 18, "y")
    arrow_right(c, 2, 11, 3, "b")
    arrow_right(c, 20, 30, 29, "b")


def repeater(c):
    c.box(10, 10, 21, 22, "k", "l")
    c.put(15, 16, "r")
    for r in (3, 6):
        c.line(9 - r, 12, 9 - r, 20, "b")
        c.line(22 + r, 12, 22 + r, 20, "b")
    c.line(0, 16, 2, 16, "k")
    c.line(29, 16, 31, 16, "k")


def terminal_server(c):
    slab(c, 4, 17)
    leds(c, 6, 12, "GGGo")
    for x in (6, 12, 18, 24):
        c.line(x, 17, x, 27, "k")
        c.fill(x - 1, 27, x + 1, 29, "d")


def access_point(c):
    slab(c, 19, 29, "w")
    c.line(16, 19, 16, 11, "k")
    c.ellipse(16, 10, 1, 1, "k", "r")
    for r in (5, 9):
        c.line(16 - r, 10 - r // 2, 16 - r, 10 + r // 2, "b")
        c.line(16 + r, 10 - r // 2, 16 + r, 10 + r // 2, "b")
    leds(c, 6, 24, "Gy")


def load_balancer(c):
    c.box(2, 11, 11, 21, "k", "l")
    c.line(11, 16, 18, 16, "k")
    for y in (6, 16, 26):
        c.line(18, 16, 22, y, "k")
        small_box(c, 23, y - 3, "g")


def mainframe(c):
    c.box(2, 3, 29, 29, "k", "g")
    for x0 in (4, 13, 22):
        c.box(x0, 5, x0 + 6, 27, "d", "l")
        c.fill(x0 + 2, 8, x0 + 4, 9, "G")
        c.line(x0 + 1, 14, x0 + 5, 14, "d")
        c.line(x0 + 1, 18, x0 + 5, 18, "d")


def nas(c):
    c.box(3, 3, 28, 28, "k", "g")
    for y in (5, 13, 21):
        c.box(5, y, 26, y + 5, "d", "l")
        c.fill(22, y + 2, 24, y + 3, "G")


def ups(c):
    c.box(5, 4, 26, 29, "k", "d")
    c.box(8, 7, 23, 13, "k", "G")
    c.polygon([(17, 15), (11, 23), (16, 23), (14, 28), (21, 19), (16, 19)], "k", "y")


def pbx(c):
    slab(c, 17, 29, "g")
    leds(c, 6, 24, "GGG")
    c.polygon([(5, 10), (9, 5), (23, 5), (27, 10), (23, 13), (20, 9), (12, 9), (9, 13)],
              "k", "k")


def sensor(c):
    c.box(13, 3, 18, 22, "k", "w")
    c.fill(15, 10, 16, 22, "r")
    c.ellipse(15, 25, 4, 4, "k", "r")
    for y in (6, 10, 14, 18):
        c.line(19, y, 21, y, "k")


def camera(c):
    c.box(3, 10, 21, 22, "k", "d")
    c.polygon([(21, 13), (29, 9), (29, 23), (21, 19)], "k", "g")
    c.ellipse(8, 16, 3, 3, "k", "c")
    c.fill(17, 12, 18, 13, "r")
    c.line(12, 22, 12, 28, "k")
    c.line(8, 28, 16, 28, "k")


def transceiver(c):
    c.box(8, 8, 23, 23, "k", "l")
    arrow_right(c, 1, 7, 13, "b")
    arrow_left(c, 24, 30, 18, "b")
    arrow_right(c, 24, 30, 13, "b")
    arrow_left(c, 1, 7, 18, "b")
    c.fill(14, 14, 17, 17, "o")


# ---- monitors -----------------------------------------------------------

def monitor(c):
    c.ellipse(16, 18, 13, 11, "k", "w")
    c.fill(3, 19, 29, 30, ".")
    c.line(3, 18, 29, 18, "k")
    for x, y in ((6, 12), (10, 8), (16, 7), (22, 8), (26, 12)):
        c.put(x, y, "k")
    c.line(16, 18, 24, 10, "r")
    c.ellipse(16, 18, 2, 2, "k", "k")
    c.box(3, 22, 29, 28, "k", "d")
    leds(c, 6, 24, "Gyr")


def cluster(c):
    c.ellipse(16, 16, 13, 12, "b")
    small_box(c, 12, 4)
    small_box(c, 3, 19)
    small_box(c, 21, 19)
    c.line(16, 10, 16, 16, "k")
    c.line(16, 16, 8, 19, "k")
    c.line(16, 16, 24, 19, "k")


def service_monitor(c):
    c.box(2, 4, 29, 26, "k", "k")
    c.polyline([(3, 16), (10, 16), (12, 10), (15, 22), (18, 7), (20, 16), (28, 16)], "G")
    c.fill(12, 27, 19, 29, "d")


# ---- arrays -------------------------------------------------------------

def array(c):
    for row in range(3):
        for col in range(3):
            x, y = 3 + col * 9, 3 + row * 9
            c.box(x, y, x + 7, y + 7, "k", "l" if (row + col) % 2 else "g")


def rack(c):
    c.box(6, 1, 25, 30, "k", "d")
    for y in range(3, 28, 4):
        c.box(8, y, 23, y + 2, "k", "g")
        c.put(21, y + 1, "G")


def chassis(c):
    c.box(2, 5, 29, 27, "k", "g")
    for x in range(4, 28, 4):
        c.box(x, 7, x + 2, 25, "k", "l")
        c.put(x + 1, 9, "G")


# ---- links --------------------------------------------------------------

def link_ends(c):
    c.ellipse(5, 26, 3, 3, "k", "b")
    c.ellipse(26, 5, 3, 3, "k", "b")


def link(c):
    c.line(6, 25, 25, 6, "k")
    c.line(7, 25, 26, 6, "k")
    link_ends(c)


def serial_link(c):
    c.polyline([(6, 25), (9, 17), (14, 22), (17, 12), (22, 16), (25, 6)], "k")
    link_ends(c)


def ethernet_link(c):
    c.line(6, 25, 25, 6, "b")
    c.line(7, 25, 26, 6, "b")
    c.box(12, 12, 19, 19, "k", "w")
    c.fill(14, 14, 17, 15, "y")
    link_ends(c)


def fiber_link(c):
    for i in range(0, 19, 4):
        c.line(6 + i, 25 - i, 8 + i, 23 - i, "o")
        c.line(7 + i, 25 - i, 9 + i, 23 - i, "y")
    link_ends(c)


def wireless_link(c):
    c.polygon([(20, 4), (10, 17), (16, 17), (12, 28), (23, 13), (17, 13)], "k", "y")
    link_ends(c)


# ---- buses --------------------------------------------------------------

def bus_line(c, col):
    c.fill(1, 14, 30, 16, col)
    for x in (6, 16, 26):
        c.line(x, 8, x, 13, "k")
        c.box(x - 3, 3, x + 3, 7, "k", "l")
    for x in (11, 21):
        c.line(x, 17, x, 22, "k")
        c.box(x - 3, 23, x + 3, 27, "k", "l")


def bus(c):
    bus_line(c, "k")


def ethernet_bus(c):
    bus_line(c, "o")
    c.fill(0, 12, 1, 18, "k")
    c.fill(30, 12, 31, 18, "k")


def token_ring(c):
    c.ellipse(16, 16, 11, 11, "k")
    c.ellipse(16, 16, 10, 10, "b")
    for x, y in ((13, 2), (2, 13), (24, 13), (13, 24)):
        c.box(x, y, x + 6, y + 5, "k", "l")
    c.fill(14, 14, 17, 17, "y")


# ---- containers ---------------------------------------------------------

def container(c):
    c.polygon([(3, 11), (28, 11), (28, 29), (3, 29)], "k", "n")
    c.polygon([(3, 11), (9, 4), (30, 4), (28, 11)], "k", "o")
    c.line(3, 16, 28, 16, "k")
    c.fill(13, 19, 18, 21, "y")


def group(c):
    c.ellipse(11, 12, 7, 7, "k", "l")
    c.ellipse(21, 12, 7, 7, "k", "y")
    c.ellipse(16, 21, 7, 7, "k", "G")


def domain(c):
    for x in range(2, 30, 3):
        c.put(x, 3, "k")
        c.put(x, 28, "k")
    for y in range(3, 29, 3):
        c.put(2, y, "k")
        c.put(29, y, "k")
    small_box(c, 6, 7)
    small_box(c, 18, 7)
    small_box(c, 12, 18, "g")


# ---- drag icons ---------------------------------------------------------

def member_icon(c):
    """A list entry being moved: a card with text lines."""
    c.box(4, 6, 27, 25, "k")
    c.box(5, 7, 26, 24, "k")
    for y in (11, 15, 19):
        c.line(8, y, 23, y, "k")


def object_icon(c):
    """A managed object: a small tree of three nodes."""
    c.box(12, 2, 19, 9, "k")
    c.fill(14, 4, 17, 7, "k")
    c.line(15, 10, 15, 15, "k")
    c.line(6, 15, 25, 15, "k")
    c.line(6, 15, 6, 21, "k")
    c.line(25, 15, 25, 21, "k")
    c.box(2, 22, 10, 29, "k")
    c.box(21, 22, 29, 29, "k")


SHAPES = {
    "World": world, "Continent": continent, "Country": country, "City": city,
    "Campus": campus, "Building": building_glyph, "Floor": floor,
    "Subnet": subnet, "View": view,
    "Host": host, "Router": router, "Switch": switch, "Hub": hub,
    "Bridge": bridge, "Firewall": firewall, "Server": server,
    "Workstation": workstation, "PC": pc, "Laptop": laptop,
    "Printer": printer, "Modem": modem, "Multiplexer": multiplexer,
    "Gateway": gateway, "Repeater": repeater,
    "TerminalServer": terminal_server, "AccessPoint": access_point,
    "LoadBalancer": load_balancer, "Mainframe": mainframe, "NAS": nas,
    "UPS": ups, "PBX": pbx, "Sensor": sensor, "Camera": camera,
    "Transceiver": transceiver,
    "Monitor": monitor, "Cluster": cluster, "ServiceMonitor": service_monitor,
    "Array": array, "Rack": rack, "Chassis": chassis,
    "Link": link, "SerialLink": serial_link, "EthernetLink": ethernet_link,
    "FiberLink": fiber_link, "WirelessLink": wireless_link,
    "Bus": bus, "EthernetBus": ethernet_bus, "TokenRing": token_ring,
    "Container": container, "Group": group, "Domain": domain,
}

DRAG_ICONS = {"member": member_icon, "object": object_icon}
