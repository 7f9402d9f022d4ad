// In-process benchmarks: the consoles' yield loop, the language catalog and the language
// switch of the main window, and the database-backed windows (bench/data_bench.cpp).
// Each figure is printed as a table row with its floor measured in the same run.
//
// Usage: terrasond_bench --qt-version | [--quick] [--only yield|shell|data|pace|glossary|yamaha]
// [--data DIR]
//   --quick  fewer rounds (a quick look while working on the benchmarks)
//   --data   folder with the Access files to read (default: the source tree's bench/data)

#include "bench/data_bench.h"
#include "bench/harness.h"

#include "app/windows.h"
#include "consoles/common/console_form.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "ui/form.h"
#include "ui/pace.h"

#ifdef TERRASOND_BENCH_HAS_CONSOLES
#include "consoles/bombardier/form28.h"
#include "consoles/kawasaki/form71.h"
#include "consoles/polaris/form72.h"
#endif

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace bench {

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

// Runs one figure; a failure becomes a row that says so.
void figure(const std::string& name, const std::function<void()>& body) {
    try {
        body();
    } catch (const Failure& f) {
        printRow({name, std::string("failed: ") + f.what(), "", "", "", "MISSED"});
    }
}

// ---- the yield loop of the consoles ----

void yieldBenchmarks(const Options& o) {
    printTableHeader("Yield loop of the consoles");
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    constexpr int kYields = consoles::ConsoleForm::kYieldsPerBar;
    auto bareYields = [](long long n) {
        return measure([n] {
            for (long long i = 0; i < n; ++i)
                QCoreApplication::processEvents(QEventLoop::AllEvents);
        });
    };

    figure("Yield of a window (ui::Form::yieldTimes), per yield", [&] {
        // A shown window, so that the event loop has the work of a real one.
        auto* window = new ui::Form;
        window->setClientSizeTw(6000, 4000);
        window->load();
        settle();
        const Paired p = paired(
            o.quick ? 5 : 101,
            [&] {
                const auto ticket = window->beginOperation(1);
                Sample s = measure([&] {
                    if (!window->yieldTimes(kYields, ticket)) throw Failure("operation cut short");
                });
                return s /= kYields;
            },
            [&] { return bareYields(kYields) /= kYields; });
        window->unload();
        settle();
        printRow({"Yield of a window (`ui::Form::yieldTimes`, ticketed), per yield",
                  formatSide(p.ours), formatSide(p.floor) + ", bare `processEvents`", p.ratios(),
                  "≤ 1.1x", verdict(p.medianRatio() <= 1.1)});
    });

    // A real console, as the program opens it.
    auto& registry = shell::WindowRegistry::instance();
    QString name;
    for (const char* candidate : {"Form28", "Form71", "Form72"})
        if (registry.isRegistered(QString::fromLatin1(candidate))) {
            name = QString::fromLatin1(candidate);
            break;
        }
    if (name.isEmpty()) {
        printRow({"Connecting progress of a console", "no console in this build", "", "", "", ""});
        return;
    }
    figure("Connecting progress of a console", [&] {
        auto* console = qobject_cast<consoles::ConsoleForm*>(registry.load(name));
        if (!console) throw Failure("the console did not open");
        settle();
        platform.check();
        // How many yields the whole progress takes, counted once.
        struct Counting : BenchPlatform {
            using BenchPlatform::BenchPlatform;
            void yield() override {
                ++yields;
                ui::QtPlatform::yield();
            }
            long long yields = 0;
        };
        long long yields = 0;
        {
            Counting counting(dir.path());
            if (!console->ShowConnectingProgress(
                    console->beginOperation(consoles::ConsoleForm::kCommunication)))
                throw Failure("progress cut short");
            yields = counting.yields;
        }
        const Paired p = paired(
            o.quick ? 3 : 21,
            [&] {
                const auto ticket = console->beginOperation(consoles::ConsoleForm::kCommunication);
                Sample s = measure([&] {
                    if (!console->ShowConnectingProgress(ticket))
                        throw Failure("progress cut short");
                });
                return s /= static_cast<double>(yields);
            },
            [&] { return bareYields(yields) /= static_cast<double>(yields); });
        console->unload();
        settle();
        printRow({"Connecting progress of " + name.toStdString() + " (`ShowConnectingProgress`, " +
                      std::to_string(yields) + " yields), per yield",
                  formatSide(p.ours), formatSide(p.floor) + ", bare `processEvents`", p.ratios(),
                  "≤ 1.1x", verdict(p.medianRatio() <= 1.1)});
    });
}

// ---- the language catalog and the language switch ----

void shellBenchmarks(const Options& o) {
    printTableHeader("Language catalog and switch");
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    const auto rows = shell::catalogRows();
    const int rounds = o.quick ? 21 : 201;

    figure("FillLanguageCatalog", [&] {
        // The floor converts the same texts into a plain array: what any catalog must do.
        std::vector<QString> plain(rows.size());
        int language = 0;
        const Paired p = paired(
            rounds,
            [&] {
                ERRORS32::LanguageIndex = static_cast<short>(language++ % 8 + 1);
                return measure([] { shell::FillLanguageCatalog(); });
            },
            [&] {
                const size_t lang = static_cast<size_t>(language++ % 8);
                return measure([&] {
                    for (size_t i = 0; i < rows.size(); ++i)
                        plain[i] = QString::fromUtf8(rows[i].text[lang]);
                });
            });
        printRow({"Filling the language catalog (`shell::FillLanguageCatalog`, " +
                      std::to_string(rows.size()) + " entries)",
                  formatSide(p.ours), formatSide(p.floor) + ", converting the texts", p.ratios(),
                  "< 16 ms", frameVerdict(p.ours)});
    });

    figure("Language switch", [&] {
        auto* form3 = qobject_cast<shell::Form3*>(
            shell::WindowRegistry::instance().load(QStringLiteral("Form3")));
        if (!form3) throw Failure("the main window did not open");
        form3->confi1_Click(); // the settings panel, where the language is chosen
        settle();
        platform.check();
        int language = ERRORS32::LanguageIndex;
        const Paired p = paired(
            o.quick ? 11 : 101,
            [&] {
                language = language % 8 + 1;
                return measure([&] {
                    ui::setValue(form3->Option2[language], true);
                    QCoreApplication::processEvents(); // the repaint of the new captions
                });
            },
            [&] {
                ERRORS32::LanguageIndex = static_cast<short>(language % 8 + 1);
                return measure([] {
                    shell::FillLanguageCatalog();
                    QCoreApplication::processEvents();
                });
            });
        platform.check();
        form3->unload();
        settle();
        ERRORS32::LanguageIndex = 1;
        shell::FillLanguageCatalog();
        printRow({"Switching language in the main window (`Form3` `Option2` click, repaint "
                  "included)",
                  formatSide(p.ours), formatSide(p.floor) + ", catalog fill + event pass",
                  p.ratios(), "< 16 ms", frameVerdict(p.ours)});
    });
}

// ---- the animations at presentation pace ----

#ifdef TERRASOND_BENCH_HAS_CONSOLES
// The platform of the program, counting its yields.
struct CountingPlatform : BenchPlatform {
    using BenchPlatform::BenchPlatform;
    void yield() override {
        ++yields;
        ui::QtPlatform::yield();
    }
    long long yields = 0;
};

// One animation of a console: the handler run with the presentation pace in force, timed.
// `prepare` (untimed) brings the window to where a user would start it.
struct Animation {
    const char* window;
    std::string name;
    std::function<void(ui::Form*)> prepare;
    std::function<void(ui::Form*)> run;
    int rounds = 1;
};

void paceBenchmarks(const Options& o) {
    printTableHeader("Animations at presentation pace (--pace presentation)");
    QTemporaryDir dir;
    CountingPlatform platform(dir.path());
    ui::SteadyClock clock;
    ui::Pace pace(1.0, clock);
    using bombardier::Form28;
    using kawasaki::Form71;
    using polaris::Form72;
    auto as28 = [](ui::Form* f) { return static_cast<Form28*>(f); };
    auto as72 = [](ui::Form* f) { return static_cast<Form72*>(f); };
    auto as71 = [](ui::Form* f) { return static_cast<Form71*>(f); };
    auto none = [](ui::Form*) {};
    const std::vector<Animation> animations = {
        {"Form28", "Bombardier Connect (`Command29`)", none,
         [=](ui::Form* f) { as28(f)->Command29_Click(); }, o.quick ? 1 : 5},
        {"Form28", "Bombardier Diagnostic (`Command30`)", none,
         [=](ui::Form* f) { as28(f)->Command30_Click(); }},
        {"Form28", "Bombardier Erase Faults (`Command1`)", none,
         [=](ui::Form* f) { as28(f)->Command1_Click(); }},
        {"Form28", "Bombardier Keys (`Command33`)", none,
         [=](ui::Form* f) { as28(f)->Command33_Click(); }},
        {"Form72", "Polaris Connect (`Command29`)", none,
         [=](ui::Form* f) { as72(f)->Command29_Click(); }},
        {"Form72", "Polaris Erase Faults (`Command1`)", none,
         [=](ui::Form* f) { as72(f)->Command1_Click(); }},
        // Stop is clicked after a second; the reading ends with the pass under way.
        {"Form72", "Polaris live-data reading (`Command13`, Stop after 1 s)",
         [=](ui::Form* f) { as72(f)->Command31_Click(); },
         [=](ui::Form* f) {
             QTimer::singleShot(1000, f, [=] { as72(f)->Command12->click(); });
             as72(f)->Command13_Click();
         }},
        {"Form71", "Kawasaki Connect (`Command29`)", none,
         [=](ui::Form* f) { as71(f)->Command29_Click(); }},
        {"Form71", "Kawasaki Diagnostic (`Command30`)", none,
         [=](ui::Form* f) { as71(f)->Command30_Click(); }},
        {"Form71", "Kawasaki Erase Faults (`Command1`)", none,
         [=](ui::Form* f) { as71(f)->Command1_Click(); }},
        {"Form71", "Kawasaki fault history (`Command20`)", none,
         [=](ui::Form* f) {
             as71(f)->Command20_Click();
             as71(f)->Command21_Click();
         }},
        {"Form71", "Kawasaki actuator test (`Command33`)",
         [=](ui::Form* f) { as71(f)->Command31_Click(); },
         [=](ui::Form* f) { as71(f)->Command33_Click(); }},
    };
    auto& registry = shell::WindowRegistry::instance();
    for (const Animation& a : animations) {
        figure(a.name, [&] {
            const QString name = QString::fromLatin1(a.window);
            ui::Form* f = registry.find(name);
            if (!f) f = registry.load(name);
            if (!f) throw Failure("the window did not open");
            settle();
            a.prepare(f);
            settle();
            std::vector<double> wall, cpu;
            long long yields = 0;
            for (int r = 0; r < a.rounds; ++r) {
                platform.yields = 0;
                ui::setPace(&pace);
                const Sample s = measure([&] { a.run(f); });
                ui::setPace(nullptr);
                platform.check();
                yields = platform.yields;
                wall.push_back(s.wall);
                cpu.push_back(s.cpu);
                settle();
            }
            const double expected = static_cast<double>(yields) * ui::Pace::kPresentationShareNs;
            const double w = median(wall), c = median(cpu);
            char share[64];
            std::snprintf(share, sizeof share, "CPU %.1f%% of the time", 100.0 * c / w);
            const bool onTime = std::abs(w - expected) <= 0.1 * expected;
            printRow({a.name + ", " + std::to_string(yields) + " yields", formatSide({wall, cpu}),
                      formatNs(expected) + " (yields × 15 µs)",
                      formatRatio(w / expected) + " (" + share + ")", "± 10%, CPU < 10%",
                      verdict(onTime && c < 0.1 * w)});
        });
    }
    for (const char* w : {"Form28", "Form72", "Form71"})
        registry.unload(QString::fromLatin1(w));
    settle();
}
#endif

} // namespace
} // namespace bench

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--qt-version") == 0) {
        std::printf("%s\n", qVersion()); // the Qt the program runs with
        return 0;
    }
    QApplication app(argc, argv);
    bench::Options options;
#ifdef TERRASOND_BENCH_DATA
    options.dataDir = QStringLiteral(TERRASOND_BENCH_DATA);
#endif
    QString only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0)
            options.quick = true;
        else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            only = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            options.dataDir = QString::fromLocal8Bit(argv[++i]);
        else {
            std::fprintf(
                stderr,
                "usage: %s [--quick] [--only yield|shell|data|pace|glossary|yamaha] [--data DIR]\n",
                argv[0]);
            return 2;
        }
    }
    app::registerWindows();
    if (only.isEmpty() || only == QLatin1String("yield")) bench::yieldBenchmarks(options);
    if (only.isEmpty() || only == QLatin1String("shell")) bench::shellBenchmarks(options);
    if (only.isEmpty() || only == QLatin1String("data")) bench::dataBenchmarks(options);
#ifdef TERRASOND_BENCH_HAS_CONSOLES
    if (only.isEmpty() || only == QLatin1String("pace")) bench::paceBenchmarks(options);
#endif
    if (only == QLatin1String("glossary") || only == QLatin1String("yamaha"))
        bench::dataBenchmarks(options, only);
    shell::WindowRegistry::instance().unloadAll();
    bench::settle();
    return 0;
}
