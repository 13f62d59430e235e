// Set-up shared by the benchmarks: the current annex blocks and a reproducible list of loads.
#pragma once
#include "core/tavo52_data.h"
#include "national_annex/nad_ec3_block.h"
#include "national_annex/nad_ec5_block.h"

#include <QString>
#include <QVector>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Default blocks made current with gamma_M 1.3 (1.0 accidental) and the German crack factors.
inline void make_blocks_current(NadEc5Block& ec5, NadEc3Block& ec3, int country)
{
    nad_ec5_set_defaults(&ec5);
    ec5.country = country;
    ec5.gamma_m_solid = ec5.gamma_m_glulam = 1.3;
    ec5.gamma_m_accidental = 1.0;
    ec5.kcr_mode = 2;
    nad_ec3_set_defaults(&ec3);
    cur_ec5_params = &ec5;
    cur_ec3_params = &ec3;
}

// n loads with varying forces and classes, the same for every call with the same n; name(i) names load i.
template <class Name>
QVector<LoadRow> bench_loads(int n, Name name)
{
    QVector<LoadRow> loads;
    loads.reserve(n);
    unsigned s = 12345u;
    auto next = [&s]() { s = s * 1103515245u + 12345u; return (s >> 8) % 1000 / 1000.0; };
    for (int i = 0; i < n; ++i) {
        LoadRow r;
        r.name = name(i);
        r.v_l = 40.0 * next() - 20.0;
        r.v_r = 40.0 * next() - 20.0;
        r.m_l = 20.0 * next() - 10.0;
        r.m_r = 20.0 * next() - 10.0;
        r.n_l = r.n_r = 10.0 * next() - 5.0;
        r.kled = i % 9;
        r.kmod = r.kled == 0 ? 0.6 : 0.9;
        loads.append(r);
    }
    return loads;
}

// Console output as usual; the time per iteration of every repetition is kept by the run's name and
// the value of its size counter (CPU time, or wall time for runs that use real time), and the CPU
// time of the running thread beside it.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    explicit TimesReporter(const char* size_counter) : counter_(size_counter) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const auto size = r.counters.find(counter_);
            if (r.run_type != Run::RT_Iteration || r.error_occurred || size == r.counters.end()) continue;
            const std::pair<std::string, int> key{r.run_name.function_name, int(size->second.value)};
            times_[key].push_back(r.run_name.time_type.empty() ? r.GetAdjustedCPUTime() : r.GetAdjustedRealTime());
            cpu_times_[key].push_back(r.GetAdjustedCPUTime());
        }
    }
    // Median over the repetitions, in the run's time unit; -1 when the run did not take place.
    double median(const std::string& name, int size) const { return median_of(times_, name, size); }
    // The same for the CPU time of the thread that ran the benchmark.
    double cpu_median(const std::string& name, int size) const { return median_of(cpu_times_, name, size); }

private:
    using Times = std::map<std::pair<std::string, int>, std::vector<double>>;
    static double median_of(const Times& times, const std::string& name, int size)
    {
        const auto it = times.find({name, size});
        if (it == times.end() || it->second.empty()) return -1.0;
        std::vector<double> t = it->second;
        std::sort(t.begin(), t.end());
        return t.size() % 2 ? t[t.size() / 2] : (t[t.size() / 2 - 1] + t[t.size() / 2]) / 2;
    }

    std::string counter_;
    Times times_, cpu_times_;
};
