#ifndef BENCH_H
#define BENCH_H

#include <QTextStream>

// A benchmark group: prints its figures to `out`, returns 0 when it ran.
using BenchFunction = int (*)(QTextStream &out);

struct BenchRegistration
{
    BenchRegistration(const char *name, BenchFunction function);
};

// Registers a group under a name from its own source file.
#define PANEL_BENCH(name, function) \
    static const BenchRegistration benchRegistration_##function(name, function)

#endif // BENCH_H
