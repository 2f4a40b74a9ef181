// A tree list of many lines on four levels: filled from its list data with the expansions saved
// before restored, as at every refresh of its screen; and the saving of those expansions, as at
// every screen change.

#include "host/BenchHost.h"

#include "controls/TControlDisplayInfo.h"
#include "controls/TdCTreeList.h"

#include "TForm.h"
#include "TcxKelTreeList.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Tree
{
    explicit Tree(std::size_t lines) : form(std::make_unique<TForm>(nullptr))
    {
        form->SetClientWidth(400);
        form->SetClientHeight(400);
        widget = new TcxKelTreeList(form.get()); // owned by the form
        widget->SetBounds(0, 0, 400, 400);
        control.m_lettrage = 1;
        control.m_component = widget;
        control.m_complexData = new bench::ListData(bench::TreeLines(lines));
        form->show();
        TControlDisplayInfo* created = nullptr;
        control.Update(created); // the first fill creates the record
        info.reset(created);
        bench::Settle();
    }

    std::unique_ptr<TForm> form;
    TcxKelTreeList* widget = nullptr;
    TdCTreeList control;
    std::unique_ptr<TControlDisplayInfo> info;
};

void BM_TreeListFillRestore(benchmark::State& state)
{
    bench::SetTrace(true);
    Tree tree(static_cast<std::size_t>(state.range(0)));
    tree.control.SaveControlDisplay(tree.info.get());
    for (auto _ : state) {
        TControlDisplayInfo* info = tree.info.get();
        tree.control.Update(info);
        bench::Settle();
    }
    if (tree.widget->GetAbsoluteCount() != state.range(0))
        state.SkipWithError("the tree does not hold every line");
}
BENCHMARK(BM_TreeListFillRestore)
    ->ArgName("lines")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The first fill of the screen's tree: no saved state yet, the record is made from the lines.
void BM_TreeListFirstFill(benchmark::State& state)
{
    bench::SetTrace(true);
    Tree tree(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        TControlDisplayInfo* info = nullptr;
        tree.control.Update(info);
        bench::Settle();
        state.PauseTiming();
        delete info; // the wizard form would keep it
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TreeListFirstFill)
    ->ArgName("lines")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_TreeListSave(benchmark::State& state)
{
    bench::SetTrace(true);
    Tree tree(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        tree.control.SaveControlDisplay(tree.info.get());
}
BENCHMARK(BM_TreeListSave)
    ->ArgName("lines")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace
