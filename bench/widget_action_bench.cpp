// SPDX-License-Identifier: GPL-3.0-or-later
// User actions through real widgets on the offscreen platform, with 20
// streams in the list: from the key or click to the last widget repainted.
// Each action is timed alone; the counters give its median and 99th percentile.
#include "program.h"

#include "ui/desktop.h"
#include "ui/qt_settings_store.h"
#include "ui/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace norv::bench {
namespace {

class WidgetProgram {
public:
    WidgetProgram()
    {
        qputenv("XDG_CONFIG_HOME", m_settings.path().toLocal8Bit());
        Start(app);
        main().xdivisible.setText("16");
        main().ydivisible.setText("16");
        main().diskspace.setText("734003200");
        main().lenght.setText("5400");
        for (int i = 0; i < 20; ++i) {
            const bool video = i == 0;
            main().appendStreamRow(video ? "Video" : "Audio", video ? "100%" : "",
                                   video ? "" : "32000", video ? "" : "bit/s");
        }
        main().streamlist_DblClick(); // the video gets what 19 audio tracks leave
        QWidget* top = widget<QWidget>("Norv_main");
        QApplication::setActiveWindow(top);
        QApplication::processEvents();
    }
    Norv_main& main() { return *app.find<Norv_main>(); }

    template <class W>
    static W* widget(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() != QLatin1String("Norv_main"))
                continue;
            if (top->objectName() == QLatin1String(name))
                return qobject_cast<W*>(top);
            return top->findChild<W*>(QLatin1String(name));
        }
        return nullptr;
    }

private:
    QTemporaryDir m_settings;
    ui::QtSettingsStore m_store;

public:
    Application app{m_store, NumberLocale::point()};
    ui::Desktop desktop{app};
};

// Times each action to the end of the repaint it causes.
void timeActions(benchmark::State& state, Application& app, const std::function<void(int)>& action)
{
    WorkCounters counters(state, app);
    std::vector<double> micros;
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        action(i++);
        QApplication::processEvents(); // the widgets repaint here
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        micros.push_back(took.count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
}

void KeystrokeInWidth(benchmark::State& state)
{
    WidgetProgram p;
    auto* fwidth = WidgetProgram::widget<QLineEdit>("fwidth");
    fwidth->setFocus();
    fwidth->end(false);
    timeActions(state, p.app, [&](int i) { QTest::keyClick(fwidth, i % 2 ? Qt::Key_Backspace : Qt::Key_1); });
}
BENCHMARK(KeystrokeInWidth);

void ArrowOnWidthSlider(benchmark::State& state)
{
    WidgetProgram p;
    auto* slider = WidgetProgram::widget<QSlider>("fwidths");
    slider->setFocus();
    timeActions(state, p.app, [&](int i) { QTest::keyClick(slider, i % 2 ? Qt::Key_Left : Qt::Key_Right); });
}
BENCHMARK(ArrowOnWidthSlider);

void QualityFigureKey(benchmark::State& state)
{
    WidgetProgram p;
    auto* quality = WidgetProgram::widget<QLineEdit>("videoquality");
    quality->setFocus();
    quality->setText(QStringLiteral("1015"));
    timeActions(state, p.app, [&](int i) { QTest::keyClick(quality, i % 2 ? Qt::Key_Backspace : Qt::Key_2); });
}
BENCHMARK(QualityFigureKey);

void DoubleClickOnStreamList(benchmark::State& state)
{
    WidgetProgram p;
    auto* list = WidgetProgram::widget<QListWidget>("streamlist");
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualItemRect(list->item(0)).center();
    timeActions(state, p.app, [&](int) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    });
}
BENCHMARK(DoubleClickOnStreamList);

} // namespace
} // namespace norv::bench

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    norv::ui::Twips::calibrate(QWidget());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
