// The click handlers of the real main window and report window, run against the scripted
// platform so that no dialog waits for an answer. Timed is the handler's own work; the repaint
// it asks for runs untimed after each click.
#include "fake_platform.h"
#include "main_window.h"
#include "quote_samples.h"
#include "report_window.h"
#include "uptime_window.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace quillon {
namespace {

// The main window after start-up, shown, with a price and a rate typed in.
class Session {
public:
    Session()
        : m_form1(m_platform) {
        m_form1.load();
        m_form1.show();
        child<QLineEdit>(m_form1, "Text1")->setText(QStringLiteral("1,402.91"));
        child<QLineEdit>(m_form1, "Text9")->setText(QStringLiteral("10"));
        QCoreApplication::processEvents();
    }

    FakePlatform &platform() { return m_platform; }
    MainWindow &form1() { return m_form1; }

    template <typename Child> static Child *child(QWidget &window, const char *name) {
        return window.findChild<Child *>(QLatin1String(name));
    }

    // One View Report with the two names answered.
    void viewReport() {
        m_platform.textAnswers = {QStringLiteral("Harbour Street Hardware"),
                                  QStringLiteral("Cordless drill 18 V")};
        child<QPushButton>(m_form1, "Command3")->click();
    }

    // The recorded prompts and messages would otherwise grow with every iteration.
    void settle() {
        m_platform.prompts.clear();
        m_platform.messages.clear();
        QCoreApplication::processEvents();
    }

private:
    FakePlatform m_platform;
    MainWindow m_form1;
};

// Runs `click` once per iteration, timing it alone.
template <typename Click> void timeClicks(benchmark::State &state, Session &session, Click click) {
    for (auto _ : state) {
        click();
        state.PauseTiming();
        session.settle();
        state.ResumeTiming();
    }
}

void benchCalculateClick(benchmark::State &state) {
    Session session;
    QPushButton *command1 = Session::child<QPushButton>(session.form1(), "Command1");
    timeClicks(state, session, [command1] { command1->click(); });
}
BENCHMARK(benchCalculateClick)->Unit(benchmark::kMicrosecond);

void benchResetClick(benchmark::State &state) {
    Session session;
    QPushButton *command2 = Session::child<QPushButton>(session.form1(), "Command2");
    timeClicks(state, session, [command2] { command2->click(); });
}
BENCHMARK(benchResetClick)->Unit(benchmark::kMicrosecond);

// The custom markup choice with its prompt answered at once.
void benchCustomMarkupClick(benchmark::State &state) {
    Session session;
    QRadioButton *option9 = Session::child<QRadioButton>(session.form1(), "Option9");
    timeClicks(state, session, [&session, option9] {
        session.platform().textAnswers = {QStringLiteral("200")};
        option9->click();
    });
}
BENCHMARK(benchCustomMarkupClick)->Unit(benchmark::kMicrosecond);

void benchFixedMarkupClick(benchmark::State &state) {
    Session session;
    QRadioButton *option4 = Session::child<QRadioButton>(session.form1(), "Option4");
    timeClicks(state, session, [option4] { option4->click(); });
}
BENCHMARK(benchFixedMarkupClick)->Unit(benchmark::kMicrosecond);

// View Report on a quote file that already holds `range` history records.
void benchViewReportClick(benchmark::State &state) {
    Session session;
    if (!writeSampleQuoteFile(session.platform().programFolder(), state.range(0))) {
        state.SkipWithError("cannot prepare the quote file");
        return;
    }
    session.viewReport(); // the first one also creates the report window
    session.settle();
    timeClicks(state, session, [&session] { session.viewReport(); });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(benchViewReportClick)
    ->RangeMultiplier(10)
    ->Range(10, 10'000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// Save to File on a quote file that already holds `range` history records.
void benchSaveToFileClick(benchmark::State &state) {
    Session session;
    if (!writeSampleQuoteFile(session.platform().programFolder(), state.range(0))) {
        state.SkipWithError("cannot prepare the quote file");
        return;
    }
    session.viewReport();
    session.settle();
    QPushButton *command2 =
        Session::child<QPushButton>(*session.form1().reportWindow(), "Command2");
    timeClicks(state, session, [command2] { command2->click(); });
}
BENCHMARK(benchSaveToFileClick)->Arg(10)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// One tick of the hidden uptime window's 500 ms timer, the clock advancing by as much.
void benchUptimeTick(benchmark::State &state) {
    Session session;
    QTimer *timer1 = Session::child<QTimer>(*session.form1().uptimeWindow(), "Timer1");
    timeClicks(state, session, [&session, timer1] {
        session.platform().ticks += 500;
        QMetaObject::invokeMethod(timer1, "timeout");
    });
}
BENCHMARK(benchUptimeTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillon
