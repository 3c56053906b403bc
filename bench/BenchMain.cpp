// Runs the benchmarks in a data folder of their own and ends with the figures they are judged by.

#include "recurrence/Today.h"

#include <benchmark/benchmark.h>

#ifdef BRINDLEWICK_BENCH_QT
#include <QApplication>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

// The console report as usual, and the mean real time of each benchmark, kept for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[BaseName(run.benchmark_name())]
                    = run.real_accumulated_time / static_cast<double>(run.iterations);
    }

    void PrintSummary() const
    {
        std::printf("\n");
        Ratio("Load / bare pugixml parse", "RosterFile/Load", "RosterFile/BarePugixmlParse", "goal <= 3");
        Ratio("Save / bare pugixml save ", "RosterFile/Save", "RosterFile/BarePugixmlSave", "goal <= 3");
        Milliseconds("Generate, 100 tasks over 10 years", "Schedule/Generate100Tasks10Years");
        Milliseconds("Generate the same in turn, counted from 10 years back, with absences and swaps",
                     "Schedule/Generate100Tasks10YearsFair/balanced:0");
        Milliseconds("Generate the same balanced", "Schedule/Generate100Tasks10YearsFair/balanced:1");
        Ratio("Daily NextAfter, 10,000 days / 1 day after the first day", "Daily/NextAfter/10000",
              "Daily/NextAfter/1", "goal about 1");
        Ratio("Print 1,000 rows through the hooks / bare QPainter loop", "Print/Hooks1000Rows",
              "Print/BareQPainter1000Rows", "goal <= 1.5");
        if (const auto preview = seconds.find("Print/Preview1000Rows"); preview != seconds.end())
            std::printf("Open the preview of 1,000 rows, every page painted: %.1f ms\n",
                        preview->second * 1e3);
        if (const auto open = seconds.find("Rota/OpenWindow36530Rows"); open != seconds.end())
            std::printf(
                "Open the rota window on 36,530 rows, model reset to first paint: %.1f ms (goal < 100 ms)\n",
                open->second * 1e3);
        if (const auto ics = seconds.find("Rota/WriteIcs36530Events"); ics != seconds.end())
            std::printf("Write the .ics of 36,530 events: %.1f ms (goal < 100 ms)\n", ics->second * 1e3);
    }

private:
    // The name as registered, without the suffix the library adds for real-time measuring.
    static std::string BaseName(std::string name)
    {
        const std::string suffix = "/real_time";
        if (name.size() > suffix.size()
            && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            name.resize(name.size() - suffix.size());
        return name;
    }

    void Milliseconds(const char* label, const std::string& measured) const
    {
        if (const auto found = seconds.find(measured); found != seconds.end())
            std::printf("%s: %.2f ms (goal < 20 ms)\n", label, found->second * 1e3);
    }

    void Ratio(const char* label, const std::string& measured, const std::string& baseline,
               const char* goal) const
    {
        const auto top = seconds.find(measured), bottom = seconds.find(baseline);
        if (top == seconds.end() || bottom == seconds.end() || bottom->second <= 0)
            return;
        std::printf("%s: %.2f (%s)\n", label, top->second / bottom->second, goal);
    }

    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    // The generated roster file goes to a folder of the run's own, never to the user's data.
    std::string home = (std::filesystem::temp_directory_path() / "brindlewick-bench-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        return 1;
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    const TodayPin today(Date(2010, 3, 10));
#ifdef BRINDLEWICK_BENCH_QT
    // Printing measures fonts and paints, but shows nothing: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    std::filesystem::remove_all(home);
    return 0;
}
