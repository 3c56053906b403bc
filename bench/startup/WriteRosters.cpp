// Writes a roster file of the given number of generated rosters into the data folder, for the
// start-up benchmark to start Brindlewick on.

#include "GeneratedRosters.h"

#include "roster/RosterCollection.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: brindlewick_write_rosters COUNT   (writes to $XDG_DATA_HOME/Brindlewick)\n";
        return EXIT_FAILURE;
    }
    const int count = std::stoi(argv[1]);
    RosterCollection rosters;
    for (int i = 0; i < count; ++i)
        rosters.Add(GeneratedRoster(6, 12, static_cast<unsigned>(i)));
    rosters.Save();
    return rosters.LastStorageReport().saveWritten ? EXIT_SUCCESS : EXIT_FAILURE;
}
