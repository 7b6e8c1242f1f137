// Side-by-side benchmarks. Name every benchmark "<case>:<impl>/<args>", for
// example "Copy_32f:orvs/4096" and "Copy_32f:memcpy/4096"; after the run the
// main below prints, for each case and argument, the time of every other
// implementation and the ratio orvs / peer measured in this same process.
#pragma once
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

namespace orvs_bench {

// Transforms take their length as the argument ("N:4096") and recover the order.
inline int orderOf(std::int64_t n) { return std::countr_zero(static_cast<std::uint64_t>(n)); }

// The number in an argument string, after an optional "name:" label.
inline long leadingNumber(const std::string& args)
{
    const auto colon = args.find(':');
    return std::strtol(args.c_str() + (colon == std::string::npos ? 0 : colon + 1), nullptr, 10);
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(OutputOptions options, bool tableOnly) : ConsoleReporter(options), tableOnly_(tableOnly) {}
    struct Row { std::string impl; double ns; double cpuNs; };
    // Ordered by case name, then numerically by the first argument.
    struct Key {
        std::string name;
        std::string args;
        bool operator<(const Key& o) const
        {
            if (name != o.name) return name < o.name;
            long a = leadingNumber(args), b = leadingNumber(o.args);
            return a != b ? a < b : args < o.args;
        }
    };
    std::map<Key, std::vector<Row>> cases;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        if (!tableOnly_) ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            if (r.error_occurred) continue;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
            std::string name = r.run_name.function_name;
            auto colon = name.find(':');
            if (colon == std::string::npos) continue;
            Key key{name.substr(0, colon), r.run_name.args};
            double ns = r.GetAdjustedRealTime();  // in the run's time unit
            ns *= benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                  benchmark::GetTimeUnitMultiplier(r.time_unit);
            double cpuNs = r.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                           benchmark::GetTimeUnitMultiplier(r.time_unit);
            auto& rows = cases[key];
            std::string impl = name.substr(colon + 1);
            bool replaced = false;
            for (auto& row : rows)
                if (row.impl == impl) { row.ns = ns; row.cpuNs = cpuNs; replaced = true; }
            if (!replaced) rows.push_back({impl, ns, cpuNs});
        }
    }

    bool ReportContext(const Context& context) override { return tableOnly_ || ConsoleReporter::ReportContext(context); }

    void printRatios() const
    {
        // "ratio" compares wall time; "cpu ratio" compares the calling thread's
        // CPU time, which is steadier on a shared machine for single-threaded
        // kernels but undercounts kernels that run a parallel region.
        std::printf("\n%-40s %-22s %14s %14s %8s %10s\n", "case", "peer", "orvs ns", "peer ns", "ratio", "cpu ratio");
        for (const auto& [key, rows] : cases) {
            const Row* ours = nullptr;
            for (const auto& r : rows)
                if (r.impl == "orvs") ours = &r;
            if (!ours) continue;
            for (const auto& r : rows) {
                if (&r == ours) continue;
                std::string label = key.name + " " + key.args;
                std::printf("%-40s %-22s %14.1f %14.1f %8.3f %10.3f\n", label.c_str(), r.impl.c_str(), ours->ns, r.ns,
                            ours->ns / r.ns, ours->cpuNs / r.cpuNs);
            }
        }
    }

private:
    bool tableOnly_;
};

// --table-only: print nothing but the ratio table (the flag is ours, removed
// before the benchmark library reads the arguments).
inline bool takeTableOnly(int& argc, char** argv)
{
    bool found = false;
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--table-only") found = true;
        else argv[out++] = argv[i];
    }
    argc = out;
    return found;
}

// Colour only on a terminal, and never with --benchmark_color=false (or no/0).
inline benchmark::ConsoleReporter::OutputOptions outputOptions(int argc, char** argv)
{
    bool colour = isatty(1) != 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--benchmark_color=false" || a == "--benchmark_color=no" || a == "--benchmark_color=0") colour = false;
    }
    return colour ? benchmark::ConsoleReporter::OO_Defaults : benchmark::ConsoleReporter::OO_Tabular;
}

// The optional KFR peer library (AVX-512 only): its handle, or null after
// saying why it is skipped. ORVS_KFR_DIR names its folder; otherwise it is
// looked for in ../shared/peers/kfr beside the source tree or the working
// directory.
inline void* openKfrPeer()
{
    if (!__builtin_cpu_supports("avx512f")) {
        std::fprintf(stderr, "KFR peer skipped: this processor has no AVX-512\n");
        return nullptr;
    }
    std::vector<std::string> dirs;
    if (const char* d = std::getenv("ORVS_KFR_DIR")) dirs.push_back(d);
#if defined(ORVS_SOURCE_DIR)
    dirs.push_back(ORVS_SOURCE_DIR "/../shared/peers/kfr");
#endif
    dirs.push_back("../shared/peers/kfr");
    for (const auto& d : dirs)
        if (void* h = dlopen((d + "/libkfrpeer.so").c_str(), RTLD_NOW | RTLD_LOCAL)) return h;
    std::fprintf(stderr, "KFR peer skipped: libkfrpeer.so not found\n");
    return nullptr;
}

} // namespace orvs_bench

#define ORVS_BENCH_MAIN()                                              \
    int main(int argc, char** argv)                                    \
    {                                                                  \
        const bool tableOnly = orvs_bench::takeTableOnly(argc, argv);  \
        const auto options = orvs_bench::outputOptions(argc, argv);    \
        benchmark::Initialize(&argc, argv);                            \
        orvs_bench::RatioReporter reporter(options, tableOnly);        \
        benchmark::RunSpecifiedBenchmarks(&reporter);                  \
        reporter.printRatios();                                        \
        benchmark::Shutdown();                                         \
        return 0;                                                      \
    }
