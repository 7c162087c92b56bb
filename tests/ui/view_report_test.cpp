// View Report through the main window: the quote file, the report window it fills, the history
// records the report window appends, and what happens when the quote file cannot be written.
#include "main_window_fixture.h"
#include "read_only_folder.h"
#include "report_tab.h"

#include <QFileInfo>

using namespace quillon;

namespace {

QByteArray crLfLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// The quote of price 110 at 10 % GST with the 10 % markup, taken on 15/07/2005 at 2:05:09 PM.
QByteArray sampleQuote(const QString &client, const QString &product) {
    return crLfLines({
        QStringLiteral("15/07/2005    2:05:09 PM"),
        QString(),
        QStringLiteral("Product:      ") + product,
        QStringLiteral("Client:       ") + client,
        QString(),
        QStringLiteral("Purchase Price GST Includedd              $110.00"),
        QString(),
        QStringLiteral("GST Paid                                                $10.00"),
        QString(),
        QStringLiteral("Purchase Price minus GST                  $100.00"),
        QString(),
        QStringLiteral("Markup Percentage                                       10%"),
        QString(),
        QStringLiteral("Total with Markup                                       $110.00"),
        QString(),
        QStringLiteral("Customers GST                                           $11.00"),
        QString(),
        QStringLiteral("Sales Price Including GST   $121.00"),
        QString(),
        QStringLiteral("Cash held after sale                                    $11.00"),
        QString(),
        QStringLiteral("Activity Statement"),
        QString(),
        QStringLiteral("GST to be Paid                                          $11.00"),
        QString(),
        QStringLiteral("GST to be Claimed                                       $10.00"),
        QString(),
        QStringLiteral("Net GST Owing                                           $1.00"),
        QString(),
        QStringLiteral("Profit after GST                                        $10.00"),
    });
}

QByteArray sampleHistoryRecord(const QString &client, const QString &product) {
    return crLfLines({
        QString(),
        QString(),
        QStringLiteral("15/07/2005    2:05:09 PM"),
        QStringLiteral("Product:      ") + product,
        QStringLiteral("Client:       ") + client,
        QStringLiteral("Purchase Price GST Includedd              $             110.00"),
        QStringLiteral("GST Paid                                  $             10.00"),
        QStringLiteral("Purchase Price minus GST                  $             100.00"),
        QStringLiteral("Markup Percentage                                       10%"),
        QStringLiteral("Total with Markup                         $             110.00"),
        QStringLiteral("Customers GST                             $             11.00"),
        QStringLiteral("Sales Price Including GST   $             121.00"),
        QStringLiteral("Cash held after sale                      $             11.00"),
        QStringLiteral("Profit after GST                          $             10.00"),
    });
}

// The text as the report area shows it: one paragraph per line.
QString asShown(const QByteArray &fileText) {
    return QString::fromUtf8(fileText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList fileLines(const QByteArray &bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    return lines;
}

} // namespace

class ViewReportTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        MainWindowTest::init();
        m_tab = std::make_unique<ReportTab>(*m_fixture);
        m_tab->open();
    }
    void cleanup() {
        if (!m_lockedFolder.isEmpty())
            QFile::setPermissions(m_lockedFolder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_lockedFolder.clear();
        m_tab.reset();
        MainWindowTest::cleanup();
    }

    void sampleQuoteAndHistoryAreByteExact();
    void reportWindowShowsTheQuote();
    void dateAndTimeAreOneMoment();
    void secondReportKeepsHistoryAndShowsOnlyItsQuote();

    void markupLineFollowsTheChosenOption_data();
    void markupLineFollowsTheChosenOption();
    void reportBeforeCalculateHasZeroAmounts();
    void cancelledPromptsGiveEmptyNames();
    void typedNamesAreShownAsTyped();
    void amountsFollowTheUserLocale_data();
    void amountsFollowTheUserLocale();

    void quoteFileThatIsAFolderIsTold();
    void readOnlyProgramFolderIsTold();

private:
    void calculateSample() {
        m_tab->calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
    }

    std::unique_ptr<ReportTab> m_tab;
    QString m_lockedFolder;
};

void ViewReportTest::sampleQuoteAndHistoryAreByteExact() {
    calculateSample();
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    const QList<FakePlatform::Prompt> &prompts = m_fixture->platform.prompts;
    QCOMPARE(prompts.size(), 2);
    QCOMPARE(prompts[0].prompt, QStringLiteral("Please enter customers name"));
    QCOMPARE(prompts[0].title, QStringLiteral("Customer"));
    QCOMPARE(prompts[1].prompt, QStringLiteral("Please enter product name"));
    QCOMPARE(prompts[1].title, QStringLiteral("Product"));

    const QByteArray quote = sampleQuote(QStringLiteral("Smith"), QStringLiteral("Desk"));
    QCOMPARE(quote.size(), 827);
    QCOMPARE(m_tab->quoteFile(), quote);
    QCOMPARE(m_fixture->platform.workingFolder, m_fixture->platform.programFolderPath);
    QCOMPARE(m_tab->rich()->toPlainText(), asShown(quote));
    QVERIFY(m_fixture->platform.messages.isEmpty());

    // Saving the same report twice adds two identical records.
    const QByteArray record = sampleHistoryRecord(QStringLiteral("Smith"), QStringLiteral("Desk"));
    QCOMPARE(record.size(), 626);
    auto *save = m_tab->reportControl<QPushButton>("Command2");
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_tab->quoteFile(), quote + record);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_tab->quoteFile(), quote + record + record);
    QCOMPARE(m_tab->quoteFile().size(), 827 + 626 + 626);

    QCOMPARE(m_fixture->platform.messages.size(), 2);
    for (const FakePlatform::Message &message : std::as_const(m_fixture->platform.messages)) {
        QCOMPARE(message.text, QStringLiteral("Quote Saved"));
        QCOMPARE(message.title, QStringLiteral("Success"));
        QCOMPARE(message.icon, MessageIcon::None);
    }
}

void ViewReportTest::reportWindowShowsTheQuote() {
    QVERIFY(!m_fixture->window->reportWindow());
    calculateSample();
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    ReportWindow *form2 = m_fixture->window->reportWindow();
    QVERIFY(form2);
    QVERIFY(form2->isVisible());
    QVERIFY(form2->isWindow());
    QCOMPARE(form2->focusWidget(), m_tab->reportControl("Command1"));

    const std::pair<const char *, const char *> captions[] = {
        {"Label21", "15/07/2005"}, {"Label32", "2:05:09 PM"}, {"Label20", "Desk"},
        {"Label31", "Smith"},      {"Label10", "110.00"},     {"Label11", "10.00"},
        {"Label12", "100.00"},     {"Label13", "10%"},        {"Label14", "110.00"},
        {"Label15", "11.00"},      {"Label16", "121.00"},     {"Label17", "11.00"},
        {"Label18", "10.00"},      {"Label36", "11.00"},      {"Label37", "10.00"},
        {"Label38", "1.00"},
    };
    for (const auto &[label, caption] : captions)
        QCOMPARE(m_tab->reportCaption(label), QString::fromLatin1(caption));

    // The main window stays on its Report tab; a second View Report reuses the window.
    QCOMPARE(m_fixture->find<TabControl>("SSTab1")->currentIndex(), 1);
    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));
    QCOMPARE(m_fixture->window->reportWindow(), form2);
    QVERIFY(form2->isVisible());
    QCOMPARE(m_tab->reportCaption("Label31"), QStringLiteral("Jones"));
    QCOMPARE(m_tab->reportCaption("Label20"), QStringLiteral("Chair"));
}

// A quote made at the stroke of midnight carries the date and the time of one moment, never one
// day's date with the next day's time.
void ViewReportTest::dateAndTimeAreOneMoment() {
    m_fixture->platform.clock = QDateTime(QDate(2005, 7, 15), QTime(23, 59, 59, 999));
    m_fixture->platform.clockStepMs = 1;

    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    QCOMPARE(m_tab->reportCaption("Label21") + ' ' + m_tab->reportCaption("Label32"),
             QStringLiteral("15/07/2005 11:59:59 PM"));
}

void ViewReportTest::secondReportKeepsHistoryAndShowsOnlyItsQuote() {
    calculateSample();
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
    auto *save = m_tab->reportControl<QPushButton>("Command2");
    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(save, Qt::LeftButton);

    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));

    const QByteArray record = sampleHistoryRecord(QStringLiteral("Smith"), QStringLiteral("Desk"));
    const QByteArray quote = sampleQuote(QStringLiteral("Jones"), QStringLiteral("Chair"));
    QCOMPARE(m_tab->quoteFile(), quote + record + record);
    QCOMPARE(m_tab->rich()->toPlainText(), asShown(quote));

    // A record of the new report follows the earlier ones.
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(m_tab->quoteFile(),
             quote + record + record +
                 sampleHistoryRecord(QStringLiteral("Jones"), QStringLiteral("Chair")));
}

void ViewReportTest::markupLineFollowsTheChosenOption_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("customAnswer");
    QTest::addColumn<QString>("chosenAfterCalculate");
    QTest::addColumn<QString>("markup");
    QTest::newRow("5% right after start-up") << QString() << QString() << QString() << "5%";
    QTest::newRow("Option8 40%") << "Option8" << QString() << QString() << "40%";
    QTest::newRow("custom 200") << "Option9"
                                << "200" << QString() << "200%";
    QTest::newRow("custom answer not a number falls back to 5%") << "Option9"
                                                                 << "abc" << QString() << "5%";
    QTest::newRow("the markup the amounts were worked out with")
        << "Option5" << QString() << "Option2"
        << "25%";
}

void ViewReportTest::markupLineFollowsTheChosenOption() {
    QFETCH(QString, option);
    QFETCH(QString, customAnswer);
    QFETCH(QString, chosenAfterCalculate);
    QFETCH(QString, markup);
    m_fixture->type("Text1", QStringLiteral("110"));
    m_fixture->type("Text9", QStringLiteral("10"));
    if (!customAnswer.isNull())
        m_fixture->platform.textAnswers.push_back(customAnswer);
    if (!option.isEmpty())
        m_fixture->click(qPrintable(option));
    m_fixture->click("Command1");
    if (!chosenAfterCalculate.isEmpty())
        m_fixture->click(qPrintable(chosenAfterCalculate));
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    QCOMPARE(m_tab->reportCaption("Label13"), markup);
    const QStringList lines = fileLines(m_tab->quoteFile());
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines[11], QStringLiteral("Markup Percentage").leftJustified(56) + markup);
}

void ViewReportTest::reportBeforeCalculateHasZeroAmounts() {
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    for (const char *label : {"Label10", "Label11", "Label12", "Label14", "Label15", "Label16",
                              "Label17", "Label18", "Label36", "Label37", "Label38"})
        QCOMPARE(m_tab->reportCaption(label), QStringLiteral("0.00"));
    QCOMPARE(m_tab->reportCaption("Label13"), QStringLiteral("5%"));

    const QStringList lines = fileLines(m_tab->quoteFile());
    QCOMPARE(lines.size(), 30);
    int amountLines = 0;
    for (const QString &line : lines) {
        if (!line.contains(u'$'))
            continue;
        ++amountLines;
        QVERIFY2(line.endsWith(QLatin1String("$0.00")), qPrintable(line));
    }
    QCOMPARE(amountLines, 11);
    QCOMPARE(lines[11], QStringLiteral("Markup Percentage").leftJustified(56) + "5%");
}

void ViewReportTest::cancelledPromptsGiveEmptyNames() {
    // The first quote of a run, then one after a named quote: both prompts cancelled each time.
    for (const bool afterNamedQuote : {false, true}) {
        if (afterNamedQuote)
            m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
        m_fixture->click("Command3");

        QCOMPARE(m_tab->reportCaption("Label31"), QString());
        QCOMPARE(m_tab->reportCaption("Label20"), QString());
        const QStringList lines = fileLines(m_tab->quoteFile());
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines[2], QStringLiteral("Product:      "));
        QCOMPARE(lines[3], QStringLiteral("Client:       "));
        QCOMPARE(m_tab->rich()->toPlainText().split(u'\n').at(3), lines[3]);
    }
}

void ViewReportTest::typedNamesAreShownAsTyped() {
    m_tab->viewReport(QStringLiteral("<b>Smith</b>"), QStringLiteral("<h1>Desk"));

    for (const char *name : {"Label31", "Label20"}) {
        const QLabel *label = m_tab->reportControl<QLabel>(name);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(m_tab->reportCaption("Label20"), QStringLiteral("<h1>Desk"));
    QCOMPARE(m_fixture->find<QLabel>("lblWelcome")->textFormat(), Qt::PlainText);
}

void ViewReportTest::amountsFollowTheUserLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("label10");
    QTest::addColumn<QString>("line");
    QTest::newRow("Australian English")
        << QLocale(QLocale::English, QLocale::Australia) << "1,100.00"
        << "Purchase Price GST Includedd              $1,100.00";
    QTest::newRow("German separators") << QLocale(QLocale::German, QLocale::Germany) << "1.100,00"
                                       << "Purchase Price GST Includedd              $1.100,00";
}

void ViewReportTest::amountsFollowTheUserLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QString, label10);
    QFETCH(QString, line);
    QLocale::setDefault(locale);
    m_tab->calculate(QStringLiteral("1100"), QStringLiteral("10"), "Option2");
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

    QCOMPARE(m_tab->reportCaption("Label10"), label10);
    const QStringList lines = fileLines(m_tab->quoteFile());
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines[5], line);
}

void ViewReportTest::quoteFileThatIsAFolderIsTold() {
    calculateSample();
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
    const QString shown = m_tab->rich()->toPlainText();
    QVERIFY(QFile::remove(m_tab->quoteFilePath()));
    // A folder in the way stops the write even for root, unlike permissions.
    QVERIFY(QDir().mkdir(m_tab->quoteFilePath()));

    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));

    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const FakePlatform::Message &message = m_fixture->platform.messages.constFirst();
    QCOMPARE(message.title, QStringLiteral("Error"));
    QCOMPARE(message.icon, MessageIcon::Warning);
    QVERIFY2(message.text.contains(QLatin1String("quote.txt")), qPrintable(message.text));
    QCOMPARE(m_tab->rich()->toPlainText(), shown);
    QVERIFY(QFileInfo(m_tab->quoteFilePath()).isDir());
    // The report window holds the new report all the same.
    QCOMPARE(m_tab->reportCaption("Label31"), QStringLiteral("Jones"));
    QCOMPARE(m_tab->reportCaption("Label20"), QStringLiteral("Chair"));
}

// The quote file moves to the user's data folder, and the user is told where; the old file in
// the program's folder stays as it was.
void ViewReportTest::readOnlyProgramFolderIsTold() {
    calculateSample();
    m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
    const QByteArray before = m_tab->quoteFile();

    m_lockedFolder = m_fixture->platform.programFolderPath;
    QVERIFY(QFile::setPermissions(m_lockedFolder, QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(QDir(m_lockedFolder).filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        QSKIP(readOnlyFolderSkipReason());
    }

    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));

    const QString moved =
        QDir(m_fixture->platform.userDataFolderPath).filePath(QStringLiteral("quote.txt"));
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const FakePlatform::Message &message = m_fixture->platform.messages.constFirst();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(moved)), qPrintable(message.text));
    QCOMPARE(m_tab->quoteFile(), before);
    QFile movedFile(moved);
    QVERIFY(movedFile.open(QIODevice::ReadOnly));
    QVERIFY(movedFile.readAll().contains("Client:       Jones"));
    QVERIFY(m_tab->rich()->toPlainText().contains(QLatin1String("Jones")));
    QCOMPARE(m_tab->reportCaption("Label31"), QStringLiteral("Jones"));
}

QTEST_MAIN(ViewReportTest)
#include "view_report_test.moc"
