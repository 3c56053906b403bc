#include "app/CommandLine.h"

#include "recurrence/Today.h"

#include <cstdlib>
#include <optional>

// The command line as the program runs it, for tests that start it as a process. A test pins the
// day through BRINDLEWICK_TEST_TODAY (YYYY-MM-DD); arguments that would open the window end the
// driver with status 3 instead.
int main(int argc, char** argv)
{
    std::optional<TodayPin> pin;
    if (const char* today = std::getenv("BRINDLEWICK_TEST_TODAY"))
        pin.emplace(boost::gregorian::from_simple_string(today));
    if (!IsCommandLineRequest(argc, argv))
        return 3;
    return RunCommandLine(argc, argv);
}
