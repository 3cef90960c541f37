#include "main/Usage.hpp"

#include <cstdio>

#include "process/Catalogue.hpp"

namespace {

struct UsageLine {
    int number;
    const char* text;
};

// -fd is accepted but deliberately not listed: only the topology viewer uses it.
const UsageLine kUsageLines[] = {
    {812, "Usage: qv_tolvar [-cmip] [-help] [-host <server>] [-id <id [id]>] [-link <id1> <id2>] [-mis] "
          "[-name <name [name]>] [-parent <parent id>] [-rpc] [-snmp] [-type <type>] "
          "[-visible_children <id [id]>] [-bus_locations <x:y:z [x:y:z]>]\n"},
    {813, "\t-cmip \t\t\t: Configure CMIP object\n"},
    {814, "\t-help \t\t\t: This message\n"},
    {815, "\t-host <server> \t\t: MIS server\n"},
    {816, "\t-id <id [id]> \t\t: Topology id(s) \n"},
    {817, "\t-link <id1> <id2>\t: Create link \n"},
    {818, "\t-mis \t\t\t: Configure MIS object\n"},
    {819, "\t-name <name [name]>\t: Name of the object(s)\n"},
    {820, "\t-parent <parent id> \t: Parent of the object to create\n"},
    {821, "\t-rpc \t\t\t: Configure RPC object\n"},
    {822, "\t-snmp \t\t\t: Configure SNMP object\n"},
    {823, "\t-type <type> \t\t: Topology type of object to create\n"},
    {825, "\t-visible_children <id [id]>\t: Topology id(s) of children\n"},
    {826, "\t-bus_locations <x:y:z [x:y:z]>\t: Points for bus location\n"},
};

}  // namespace

void usage()
{
    for (const UsageLine& line : kUsageLines)
        std::fputs(cat_text(kToolSet, line.number, line.text), stderr);
}
