// How long a screen with hundreds of fields takes to move its letters to its widgets and back,
// which happens at every keystroke. Run: QT_QPA_PLATFORM=offscreen build/bench/wizard_bench

#include "TEdit.h"
#include "TForm.h"
#include "controls/TdCEdit.h"
#include "qlettre.h"

#include <benchmark/benchmark.h>
#include <log4cxx/logger.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// One screen: a form, `count` edits and their controls, a letter list with a value per letter.
struct Screen
{
    explicit Screen(int count) : form(std::make_unique<TForm>(nullptr))
    {
        for (int i = 0; i < count; ++i) {
            auto* edit = new TEdit(form.get()); // owned by the form
            auto control = std::make_unique<TdCEdit>();
            control->m_lettrage = i + 1;
            control->m_component = edit;
            controls.push_back(std::move(control));
            structLettre* lettre = AjouteLettre(&lettres, static_cast<short>(i + 1), 0, 0, 0, 1, 0);
            char value[32];
            std::snprintf(value, sizeof value, "valeur %d", i);
            MetValeurLettre(lettre, value);
        }
    }
    ~Screen() { LibereLettre(&lettres); }

    std::unique_ptr<TForm> form;
    std::vector<std::unique_ptr<TdCEdit>> controls;
    structLettre* lettres = nullptr;
};

void setTrace(bool on)
{
    log4cxx::Logger::getLogger("fr.kelmar.framework")
        ->setLevel(on ? log4cxx::Level::getInfo() : log4cxx::Level::getOff());
}

void BM_LettrageVersEcran(benchmark::State& state)
{
    setTrace(state.range(1) != 0);
    Screen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (auto& control : screen.controls)
            control->LettrageVersEcran(screen.lettres, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LettrageVersEcran)
    ->ArgsProduct({{100, 500, 1000}, {0, 1}})
    ->ArgNames({"fields", "trace"})
    ->Unit(benchmark::kMillisecond);

void BM_EcranVersLettrage(benchmark::State& state)
{
    setTrace(state.range(1) != 0);
    Screen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (auto& control : screen.controls)
            control->EcranVersLettrage(screen.lettres, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EcranVersLettrage)
    ->ArgsProduct({{100, 500, 1000}, {0, 1}})
    ->ArgNames({"fields", "trace"})
    ->Unit(benchmark::kMillisecond);

// The letter store is a list walked from its head: a whole screen's lookups are quadratic.
void BM_TrouveLettreWholeScreen(benchmark::State& state)
{
    structLettre* lettres = nullptr;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i)
        AjouteLettre(&lettres, static_cast<short>(i + 1), 0, 0, 0, 1, 0);
    for (auto _ : state) {
        for (int i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(TrouveLettre(i, lettres));
    }
    LibereLettre(&lettres);
}
BENCHMARK(BM_TrouveLettreWholeScreen)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
