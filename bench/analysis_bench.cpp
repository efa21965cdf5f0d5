// The analysis alone, and the whole analyse press as the user meets it: from
// the click on 节律分析 to the four labels repainted, each once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <limits>
#include <map>

#include "biorhythm.h"
#include "drop_down_list.h"
#include "form1.h"
#include "platform.h"

namespace {

// Each press asks for today and gets, in turn, one of two dates a year apart:
// every press then changes all four result texts.
class AlternatingDay final : public biorhythm::ui::Platform {
public:
    void showMessage(const QString&, Look) override {}
    std::chrono::year_month_day today() override {
        return std::chrono::year{2024 + presses_++ % 2} / 3 / 15;
    }
    void launch(const QString&) override {}
    void endProgram(int) override {}

private:
    int presses_ = 0;
};

// Counts the paints of the controls it watches.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints[watched];
        return false;
    }
    std::map<QObject*, int> paints;
};

void AnalyseBirthDate(benchmark::State& state) {
    const std::chrono::year_month_day today = std::chrono::year{2024} / 3 / 15;
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(
            biorhythm::analyseBirthDate(80, 4, 11, "1980年", "5月", "12日", today));
    }
}
BENCHMARK(AnalyseBirthDate);

// Picks a date by keyboard, then presses the button until the window has
// repainted what changed; counts how often each result label paints per press.
void PressToRepaint(benchmark::State& state) {
    AlternatingDay platform;
    biorhythm::ui::Form1 form(platform);
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    auto* year = form.findChild<biorhythm::ui::DropDownList*>(QStringLiteral("Combo1"));
    auto* month = form.findChild<biorhythm::ui::DropDownList*>(QStringLiteral("Combo2"));
    auto* day = form.findChild<biorhythm::ui::DropDownList*>(QStringLiteral("Combo3"));
    auto* analyse = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto* list : {year, month, day}) {
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
    }
    PaintCounter counter;
    for (const char* name : {"Label2", "Label3", "Label5", "Label7"}) {
        form.findChild<QWidget*>(QString::fromLatin1(name))->installEventFilter(&counter);
    }
    while (state.KeepRunning()) {
        QTest::mouseClick(analyse, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    int fewest = std::numeric_limits<int>::max();
    int most = 0;
    for (const auto& [label, paints] : counter.paints) {
        fewest = std::min(fewest, paints);
        most = std::max(most, paints);
    }
    const auto presses = static_cast<double>(state.iterations());
    state.counters["label_paints_per_press_min"] =
        counter.paints.size() == 4 ? fewest / presses : 0;
    state.counters["label_paints_per_press_max"] = most / presses;
}
BENCHMARK(PressToRepaint)->Unit(benchmark::kMicrosecond);

// A repaint alone, as the baseline for the press above.
void RepaintOnly(benchmark::State& state) {
    AlternatingDay platform;
    biorhythm::ui::Form1 form(platform);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    while (state.KeepRunning()) form.repaint();
}
BENCHMARK(RepaintOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
