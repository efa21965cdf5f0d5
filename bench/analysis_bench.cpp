// The analysis alone, and the whole analyse press as the user meets it: from
// the click on 节律分析 to the four labels repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "biorhythm.h"
#include "drop_down_list.h"
#include "form1.h"
#include "platform.h"

namespace {

class FixedDay final : public biorhythm::ui::Platform {
public:
    void showMessage(const QString&, Look) override {}
    std::chrono::year_month_day today() override { return std::chrono::year{2024} / 3 / 15; }
    void launch(const QString&) override {}
    void endProgram(int) override {}
};

void AnalyseBirthDate(benchmark::State& state) {
    const std::chrono::year_month_day today = std::chrono::year{2024} / 3 / 15;
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(
            biorhythm::analyseBirthDate(80, 4, 11, "1980年", "5月", "12日", today));
    }
}
BENCHMARK(AnalyseBirthDate);

// Picks a date by keyboard, then presses the button and repaints the window.
void PressToRepaint(benchmark::State& state) {
    FixedDay platform;
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
    while (state.KeepRunning()) {
        QTest::mouseClick(analyse, Qt::LeftButton);
        form.repaint();
    }
}
BENCHMARK(PressToRepaint)->Unit(benchmark::kMicrosecond);

// A repaint alone, as the baseline for the press above.
void RepaintOnly(benchmark::State& state) {
    FixedDay platform;
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
