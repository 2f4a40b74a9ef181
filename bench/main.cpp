// The benchmarks of the wizard library, side by side with QWizard, in one program:
//   QT_QPA_PLATFORM=offscreen build/bench/wizard_bench [Google Benchmark flags]
// tools/bench.sh builds it in release, runs it and prints the table of medians.
// The framework's trace goes at INFO to a file in WIZARD_BENCH_TRACE_DIR (default: the
// temporary folder), as a host's trace would.

#include "host/BenchHost.h"

#include "DesktopMetrics.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Off screen, Qt says at every raise or resize that it has no window manager to tell: noise
// between the rows of the table.
QtMessageHandler g_qtMessages = nullptr;

void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_qtMessages)
        g_qtMessages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    g_qtMessages = qInstallMessageHandler(FilterQtMessages);
    QApplication app(argc, argv);
    // A usual desktop: the buttons bar shows its buttons, not the small-desktop menu.
    SetDesktopSizeOverride(1280, 1024);
    const QByteArray folder = qEnvironmentVariableIsEmpty("WIZARD_BENCH_TRACE_DIR")
                                  ? QDir::tempPath().toLocal8Bit()
                                  : qgetenv("WIZARD_BENCH_TRACE_DIR");
    bench::TraceToFile(folder.toStdString());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
