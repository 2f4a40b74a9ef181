// What a Qt developer would write instead: a QWizard with the same pages, each a QWizardPage
// holding the same number of Qt widgets of the same kinds, all built before the wizard is shown
// as QWizard requires. Start-up (construction to first page shown), the memory it adds and
// the time of next().

#include "host/BenchHost.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWizard>
#include <QWizardPage>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QWizardPage* MakePage(int index, int controls)
{
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Ecran %1").arg(index + 1));
    auto* grid = new QGridLayout(page);
    for (int c = 0; c < controls; ++c) {
        QWidget* widget = nullptr;
        if (c == controls - 1) {
            auto* tree = new QTreeWidget;
            tree->setHeaderHidden(true);
            std::vector<QTreeWidgetItem*> parents;
            for (int line = 0; line < 40; ++line) {
                const int level = line % 4;
                QTreeWidgetItem* item =
                    level == 0 || parents.empty()
                        ? new QTreeWidgetItem(tree)
                        : new QTreeWidgetItem(parents[std::min<std::size_t>(
                              parents.size() - 1, static_cast<std::size_t>(level - 1))]);
                item->setText(0, QStringLiteral("Ligne %1").arg(line + 1));
                parents.resize(static_cast<std::size_t>(level));
                parents.push_back(item);
            }
            widget = tree;
        } else {
            switch (static_cast<bench::Kind>((index * controls + c) % bench::kKinds)) {
            case bench::Kind::Text:
                widget = new QLineEdit(QStringLiteral("Texte %1").arg(c));
                break;
            case bench::Kind::Amount:
            case bench::Kind::Amount2: {
                auto* edit = new QLineEdit(QStringLiteral("100"));
                edit->setValidator(new QIntValidator(edit));
                widget = edit;
                break;
            }
            case bench::Kind::Date:
                widget = new QDateEdit(QDate(2024, 1, 1));
                break;
            case bench::Kind::CheckBox:
                widget = new QCheckBox(QStringLiteral("Case %1").arg(c));
                break;
            case bench::Kind::ComboBox: {
                auto* combo = new QComboBox;
                for (int code = 1; code <= 5; ++code)
                    combo->addItem(QStringLiteral("Choix %1").arg(code), code);
                widget = combo;
                break;
            }
            }
        }
        grid->addWidget(widget, c / 5, c % 5);
    }
    return page;
}

void BM_QWizard(benchmark::State& state)
{
    const int pages = static_cast<int>(state.range(0));
    const int controls = 200;
    double residentMB = 0;
    double heapMB = 0;
    double nextMs = 0;
    double cpuMs = 0;
    double nextCpuMs = 0;
    for (auto _ : state) {
        bench::Settle();
        const bench::Memory before = bench::MemoryBaseline();
        const auto start = Clock::now();
        const double cpuStart = bench::CpuSeconds();
        auto wizard = std::make_unique<QWizard>();
        for (int i = 0; i < pages; ++i)
            wizard->addPage(MakePage(i, controls));
        wizard->show();
        bench::Settle();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        cpuMs = (bench::CpuSeconds() - cpuStart) * 1000.0;
        const bench::Memory after = bench::MemoryNow();
        residentMB = after.residentMB - before.residentMB;
        heapMB = after.heapMB - before.heapMB;

        // next(): the median of three.
        std::vector<double> times;
        std::vector<double> cpuTimes;
        for (int i = 0; i < 3 && i + 1 < pages; ++i) {
            const auto begin = Clock::now();
            const double cpuBegin = bench::CpuSeconds();
            wizard->next();
            bench::Settle();
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            cpuTimes.push_back((bench::CpuSeconds() - cpuBegin) * 1000.0);
        }
        std::sort(times.begin(), times.end());
        std::sort(cpuTimes.begin(), cpuTimes.end());
        nextMs = times.empty() ? 0 : times[times.size() / 2];
        nextCpuMs = cpuTimes.empty() ? 0 : cpuTimes[cpuTimes.size() / 2];
        wizard.reset();
        bench::Settle();
    }
    state.counters["rss_MB"] = residentMB;
    state.counters["heap_MB"] = heapMB;
    state.counters["next_ms"] = nextMs;
    state.counters["cpu_ms"] = cpuMs;
    state.counters["next_cpu_ms"] = nextCpuMs;
}
// One iteration a run: 500 pages take about a minute, so they are run once.
BENCHMARK(BM_QWizard)
    ->ArgName("pages")
    ->Arg(12)
    ->Arg(100)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QWizard)
    ->ArgName("pages")
    ->Arg(500)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
