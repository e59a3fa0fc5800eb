#include "Drives.h"
#include "MountTable.h"

#include <QStorageInfo>

#include <benchmark/benchmark.h>

// The chooser's drive list, from the kernel's mount table, beside a listing that asks every
// mount through QStorageInfo as the chooser once did. bench/drives.sh runs it with many mounts.

namespace {

// A mount table of `count` user volumes, as /proc/self/mountinfo writes it.
QByteArray mountTable(int count)
{
    QByteArray table = "22 27 0:21 / /proc rw - proc proc rw\n";
    for (int i = 0; i < count; ++i)
        table += QByteArray("40 27 0:50 / /mnt/volume") + QByteArray::number(i) +
                 " rw,relatime shared:1 - ext4 /dev/sdb1 rw\n";
    return table;
}

void BM_DrivesFromTable(benchmark::State& state)
{
    const QByteArray table = mountTable(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(os::mountTable::userVolumes(table.toStdString(), "/home/user"));
}

void BM_DrivesOfThisMachine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(os::drives());
}

void BM_VolumesAskedOneByOne(benchmark::State& state)
{
    for (auto _ : state) {
        int ready = 0;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
            ready += volume.isValid() && volume.isReady();
        benchmark::DoNotOptimize(ready);
    }
}

} // namespace

BENCHMARK(BM_DrivesFromTable)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrivesOfThisMachine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VolumesAskedOneByOne)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
