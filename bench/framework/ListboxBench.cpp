// The code window's list: filling it with a full code list, and painting it while it holds
// a row of a hundred million characters.
#include "Listbox.h"
#include "Window.h"
#include "WindowAccessor.h"

#include <QCoreApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int fullCodeList = 10001;

class ListWindow : public fw::Window {
  public:
    fw::Listbox& List() const { return Control<fw::Listbox>("ListBox1"); }

  protected:
    void Layout() override
    {
        ApplyProperties({{"Width", 146}, {"Height", 540}, {"Visible", true}});
    }
    void CreateControls() override
    {
        AddControl<fw::Listbox>("ListBox1")
            .ApplyProperties(
                {{"Left", 0}, {"Top", 0}, {"Width", 126}, {"Height", 520}, {"TextFont", "System"}});
    }
};

/// Adds the rows and lets the view hear of them, as a load followed by the event loop does.
void AddCodeRows(benchmark::State& state)
{
    fw::Listbox& list = fw::Instance<ListWindow>().List();
    for (auto _ : state) {
        state.PauseTiming();
        list.DeleteAllRows();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < fullCodeList; ++i) {
            list.AddRow(QString::number(3000000 + i));
        }
        QCoreApplication::processEvents();
    }
    state.counters["goal_s"] = 1;
}

void PaintWithAHugeSelectedRow(benchmark::State& state)
{
    ListWindow& w = fw::Instance<ListWindow>();
    fw::Listbox& list = w.List();
    list.DeleteAllRows();
    for (int i = 0; i < fullCodeList; ++i) {
        list.AddRow(QString::number(3000000 + i));
    }
    list.AddRow(QString(100'000'000, QLatin1Char('5')));
    list.ListIndex(fullCodeList);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.ContentWidget()->grab());
    }
    list.DeleteAllRows();
    state.counters["goal_s"] = 2;
}

BENCHMARK(AddCodeRows)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintWithAHugeSelectedRow)->Unit(benchmark::kMillisecond);

} // namespace
