// The program's own window code under load, offscreen: a keystroke with the source or the
// preview window open or with neither, sorting the loaded symbol list after the user has changed
// filters and added a symbol, and start-up with a long user symbol file.
#include "BenchStatistics.h"
#include "BenchSymbolFile.h"
#include "app/AppSettings.h"
#include "app/MainDialog.h"
#include "controls/CTipToolBar.h"
#include "controls/DialogFont.h"
#include "core/CommandIds.h"
#include "core/Gradation.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"
#include "symbols/SymbolDialogRunner.h"
#include "symbols/SymbolFilter.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace quillet::bench {
namespace {

class SilentPrompts : public Prompts {
public:
    bool AskYesNo(QWidget*, const QString&, MessageIcon) override { return true; }
    void ShowMessage(QWidget*, const QString&, MessageIcon) override {}
    std::optional<ChosenFile> SaveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> OpenFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return {}; }
};

class AnsweringDialogs : public SymbolDialogRunner {
public:
    std::optional<SymbolRecord> Run(QWidget*, const QString&, const SymbolRecord&) override {
        return SymbolRecord{"\x83\x41", "\x83\x41", "<b>x</b>"};
    }
};

// Fresh settings, data and program folders; the program folder gets a copy of `userSymbols`
// when one is given.
class BenchWindow {
public:
    explicit BenchWindow(const AppSettings& settings,
                         const std::filesystem::path& userSymbols = {}) {
        ::setenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit().constData(), 1);
        ::setenv("XDG_DATA_HOME", m_data.path().toLocal8Bit().constData(), 1);
        (void)SaveSettings(settings, SettingsFilePath());
        const std::filesystem::path program = m_program.path().toStdString();
        if (!userSymbols.empty()) {
            std::filesystem::copy_file(userSymbols, program / "User.mrk");
        }
        m_places = MainDialogPlaces{{program, m_data.path().toStdString()}, &m_dialogs};
    }

    // Built, not yet shown.
    CMainDialog& Create() {
        m_dialog = std::make_unique<CMainDialog>(m_prompts, m_places);
        return *m_dialog;
    }
    CMainDialog& Open() {
        Create().show();
        QCoreApplication::processEvents();
        return *m_dialog;
    }
    CMainDialog& Dialog() { return *m_dialog; }
    void Close() { m_dialog.reset(); }

    template <typename T> T* Find(int id) const {
        return m_dialog->findChild<T*>(QString::number(id));
    }
    void Press(int commandId) {
        for (auto* bar : m_dialog->findChildren<CTipToolBar*>()) {
            if (QAction* action = bar->ActionForCommand(commandId)) {
                action->trigger();
                return;
            }
        }
    }
    int ListRows() const { return Find<QTreeView>(1000)->model()->rowCount(); }
    // Lets the event loop run until the list holds at least `rows` rows.
    void WaitForRows(int rows) {
        if (!QTest::qWaitFor([&] { return ListRows() >= rows; }, 60'000)) {
            std::abort(); // the list never filled: no figure would mean anything
        }
    }
    void ChooseFilter(SymbolFilter filter) {
        auto* box = Find<QComboBox>(1022);
        const int index = FilterBoxIndex(FilterLabel(filter));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTemporaryDir m_program;
    SilentPrompts m_prompts;
    AnsweringDialogs m_dialogs;
    MainDialogPlaces m_places;
    std::unique_ptr<CMainDialog> m_dialog;
};

// Half the characters double-byte, as the gradation page gets them.
QString MixedText(std::int64_t characters) {
    QString text;
    for (std::int64_t i = 0; i < characters; ++i) {
        text += i % 2 == 0 ? QStringLiteral("漢") : QStringLiteral("a");
    }
    return text;
}

// The window open beside the main window in a keystroke benchmark.
enum OpenWindow : std::int64_t { NoWindow = 0, SourceOpen = 1, PreviewOpen = 2 };

// One key on the gradation page, typed or erased in turn, until fields, fragment and the open
// window are updated and painted. Each key is shown in full: the window's frame wait is cut
// short, as a key typed after a pause would find it.
void BM_Keystroke(benchmark::State& state) {
    const std::int64_t characters = state.range(0);
    AppSettings settings = DefaultSettings();
    settings.TabPage = 1;
    settings.WindowSource = state.range(1) == SourceOpen;
    settings.WindowPreview = state.range(1) == PreviewOpen;
    BenchWindow window(settings);
    CMainDialog& dialog = window.Open();
    auto* edit = window.Find<QLineEdit>(1020);
    edit->setText(MixedText(characters - 1));
    QCoreApplication::processEvents();
    CSourceWindow* source = dialog.findChild<CSourceWindow*>();
    CPreviewWindow* preview = dialog.findChild<CPreviewWindow*>();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(edit, type ? Qt::Key_A : Qt::Key_Backspace);
        type = !type;
        if (source != nullptr) {
            source->ShowPending();
        }
        if (preview != nullptr) {
            preview->ShowPending();
        }
        QCoreApplication::processEvents();
    }
    state.counters["source_chars"] = source != nullptr ? source->Text().size() : 0;
    state.counters["preview_blocks"] = preview != nullptr ? preview->Blocks().size() : 0;
}
BENCHMARK(BM_Keystroke)
    ->ArgNames({"chars", "window"})
    ->ArgsProduct({{10, 1'000, 10'000}, {NoWindow, SourceOpen, PreviewOpen}})
    ->Repetitions(5)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Keys typed back to back with the preview open, each handled as the event loop gets to it
// but none waited for: the preview draws at most once a frame, so a key costs a share of a
// drawing. The last key's fragment is drawn before the clock stops.
void BM_FastTypingWithPreview(benchmark::State& state) {
    constexpr int kKeys = 30;
    AppSettings settings = DefaultSettings();
    settings.TabPage = 1;
    settings.WindowPreview = true;
    BenchWindow window(settings);
    CMainDialog& dialog = window.Open();
    auto* edit = window.Find<QLineEdit>(1020);
    edit->setText(MixedText(state.range(0) - 1));
    QCoreApplication::processEvents();
    CPreviewWindow* preview = dialog.findChild<CPreviewWindow*>();
    for (auto _ : state) {
        for (int key = 0; key < kKeys; ++key) {
            QTest::keyClick(edit, key % 2 == 0 ? Qt::Key_A : Qt::Key_Backspace);
            QCoreApplication::processEvents();
        }
        preview->ShowPending();
        QCoreApplication::processEvents();
    }
    state.counters["per_key"] = benchmark::Counter(
        kKeys, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FastTypingWithPreview)
    ->ArgName("chars")
    ->Arg(1'000)
    ->Repetitions(5)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The preview's share of a key when every character has a colour of its own: a red to blue
// gradation one character longer or shorter in turn, drawn in a window of the default size;
// linked, it is underlined as a link.
void BM_PreviewOfAColouredGradation(benchmark::State& state) {
    std::string fragments[2];
    for (int which = 0; which < 2; ++which) {
        const QString text = MixedText(state.range(0) - which);
        if (state.range(1) != 0) {
            fragments[which] = "<A Href=\"http://example.com/\">";
        }
        AppendGradation(fragments[which], ToCp932(text), MakeRgb(255, 0, 0), MakeRgb(0, 0, 255),
                        "\"");
        if (state.range(1) != 0) {
            fragments[which] += "</A>";
        }
    }
    QWidget owner;
    CPreviewWindow preview(&owner);
    preview.show();
    QCoreApplication::processEvents();
    int which = 0;
    for (auto _ : state) {
        preview.SetFragment(fragments[which]);
        which = 1 - which;
        preview.ShowPending();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_PreviewOfAColouredGradation)
    ->ArgNames({"chars", "linked"})
    ->ArgsProduct({{1'000, 10'000}, {0, 1}})
    ->Repetitions(5)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

const BenchSymbolFile& LargeFile() {
    static const BenchSymbolFile file(kBenchRecords);
    return file;
}

AppSettings SymbolPageSettings() {
    AppSettings settings = DefaultSettings();
    settings.TabPage = 6;
    settings.TypeIndex = FilterLabel(SymbolFilter::User);
    return settings;
}

// A column click in the running program on the list as the user leaves it: loaded, the filter
// changed away and back, one symbol added. Each sort starts from another column's order.
void BM_SortInWindow(benchmark::State& state) {
    const int column = static_cast<int>(state.range(0));
    BenchWindow window(SymbolPageSettings(), LargeFile().Path());
    window.Open();
    window.WaitForRows(kBenchRecords);
    window.ChooseFilter(SymbolFilter::All);
    window.WaitForRows(kBenchRecords);
    window.ChooseFilter(SymbolFilter::User);
    window.WaitForRows(kBenchRecords);
    window.Press(CommandId::AddSymbol);
    QHeaderView* header = window.Find<QTreeView>(1000)->header();
    for (auto _ : state) {
        state.PauseTiming();
        emit header->sectionClicked((column + 1) % 3);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        emit header->sectionClicked(column);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = window.ListRows();
}
BENCHMARK(BM_SortInWindow)
    ->ArgName("column")
    ->DenseRange(0, 2)
    ->Repetitions(5)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A filter change in the window with the long user file read: leaving ユーザー設定 by a key
// Up in the filter box (to その他), or entering すべて from その他, timed until the list is
// updated and painted. Entering すべて reads the user rows on a thread of their own; the clock
// stops when the window can take input again, as it does for leaving.
enum FilterMove : std::int64_t { LeaveUser = 0, EnterAll = 1 };

void BM_FilterChange(benchmark::State& state) {
    const bool leave = state.range(0) == LeaveUser;
    BenchWindow window(SymbolPageSettings(), LargeFile().Path());
    window.Open();
    window.WaitForRows(kBenchRecords);
    auto* box = window.Find<QComboBox>(1022);
    for (auto _ : state) {
        state.PauseTiming();
        window.ChooseFilter(leave ? SymbolFilter::User : SymbolFilter::Other);
        if (leave) {
            window.WaitForRows(kBenchRecords);
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (leave) {
            QTest::keyClick(box, Qt::Key_Up);
        } else {
            window.ChooseFilter(SymbolFilter::All);
        }
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = window.ListRows();
}
BENCHMARK(BM_FilterChange)
    ->ArgName("leave_user_or_enter_all")
    ->DenseRange(LeaveUser, EnterAll)
    ->Iterations(20)
    ->Repetitions(5)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Records when the window first paints.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QElapsedTimer& clock) : m_clock(clock) {}
    qint64 PaintedAt() const { return m_paintedAt; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_paintedAt < 0) {
            m_paintedAt = m_clock.nsecsElapsed();
        }
        return false;
    }

private:
    const QElapsedTimer& m_clock;
    qint64 m_paintedAt = -1;
};

// From the window's construction to its first paint and to the complete list, with the
// longest time the event loop was held up in between (a timer due every millisecond comes
// late by that much).
void BM_StartUpWithLargeUserFile(benchmark::State& state) {
    const AppSettings settings = SymbolPageSettings();
    const std::filesystem::path file = LargeFile().Path();
    double painted = 0;
    double complete = 0;
    double stall = 0;
    for (auto _ : state) {
        BenchWindow window(settings, file);
        QElapsedTimer clock;
        PaintWatch watch(clock);
        clock.start();
        CMainDialog& dialog = window.Create();
        dialog.installEventFilter(&watch);
        dialog.show();
        QEventLoop loop;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        qint64 last = clock.nsecsElapsed();
        qint64 longest = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
            if (watch.PaintedAt() >= 0 && window.ListRows() >= kBenchRecords) {
                loop.quit();
            }
        });
        tick.start(1);
        loop.exec();
        const double done = static_cast<double>(clock.nsecsElapsed());
        state.SetIterationTime(done / 1e9);
        painted += static_cast<double>(watch.PaintedAt()) / 1e6;
        complete += done / 1e6;
        stall += static_cast<double>(longest) / 1e6;
        dialog.removeEventFilter(&watch);
        window.Close();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["painted_ms"] = painted / n;
    state.counters["complete_ms"] = complete / n;
    state.counters["longest_stall_ms"] = stall / n;
}
BENCHMARK(BM_StartUpWithLargeUserFile)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillet::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    quillet::UseDialogFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
