// Loading and saving a large roster file against the bare XML engine doing the same work on the
// same bytes: what the wrapper, the readers and the safe save add on top of parsing and writing.

#include "GeneratedRosters.h"

#include "roster/RosterCollection.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr int kRosters = 200, kPersons = 10, kTasks = 50;

// The options the program's XML wrapper parses with.
constexpr unsigned kParseOptions
    = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;

// The roster file of 200 rosters of 10 persons and 50 tasks, written once per run by the program.
const std::string& RostersFile()
{
    static const std::string path = [] {
        RosterCollection rosters;
        for (int i = 0; i < kRosters; ++i)
            rosters.Add(GeneratedRoster(kPersons, kTasks, static_cast<unsigned>(i)));
        rosters.Save();
        if (!rosters.LastStorageReport().saveWritten)
            throw std::runtime_error("cannot write the benchmark's roster file");
        return pugi::as_utf8(rosters.RostersFilePath());
    }();
    return path;
}

const std::string& RostersFileBytes()
{
    static const std::string bytes = [] {
        std::ifstream in(RostersFile(), std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }();
    return bytes;
}

void Load(benchmark::State& state)
{
    RostersFile();
    for (auto _ : state) {
        RosterCollection rosters;
        if (!rosters.Load() || rosters.Count() != kRosters)
            state.SkipWithError("the roster file did not load");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * RostersFileBytes().size()));
}

void BareParse(benchmark::State& state)
{
    const std::string& bytes = RostersFileBytes();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_buffer(bytes.data(), bytes.size(), kParseOptions))
            state.SkipWithError("the roster file did not parse");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void Save(benchmark::State& state)
{
    RostersFile();
    RosterCollection rosters;
    rosters.Load();
    for (auto _ : state) {
        rosters.Save();
        if (!rosters.LastStorageReport().saveWritten)
            state.SkipWithError("the roster file was not written");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * RostersFileBytes().size()));
}

void BareSave(benchmark::State& state)
{
    pugi::xml_document document;
    document.load_buffer(RostersFileBytes().data(), RostersFileBytes().size(), kParseOptions);
    const std::string target = (std::filesystem::path(RostersFile()).parent_path() / "bare.xml").string();
    for (auto _ : state) {
        if (!document.save_file(target.c_str(), "  ", pugi::format_indent, pugi::encoding_utf8))
            state.SkipWithError("the bare file was not written");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * RostersFileBytes().size()));
}

} // namespace

BENCHMARK(Load)->Name("RosterFile/Load")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BareParse)->Name("RosterFile/BarePugixmlParse")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Save)->Name("RosterFile/Save")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BareSave)->Name("RosterFile/BarePugixmlSave")->Unit(benchmark::kMillisecond)->UseRealTime();
