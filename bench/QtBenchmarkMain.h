#pragma once

#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace bench {

// The clock raises its window each time it is shown, which the offscreen platform cannot do
// and says so; that notice is dropped so that it does not bury the figures.
inline void dropRaiseNotice(QtMsgType type, const QMessageLogContext& context,
                            const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

// Runs the registered benchmarks inside a Qt application on the offscreen platform, which
// paints widgets without a display. Qt gets the program name only, so that the benchmark's
// options stay the benchmark's.
inline int runQtBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropRaiseNotice);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
