// The Report tab's Save Report, Open Report and Print Report commands through the main window,
// with every file and print dialog answered by the scripted platform.
#include "main_window_fixture.h"
#include "pdf_reading.h"
#include "report_tab.h"
#include "rtf_document_properties.h"
#include "test_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextFrame>

using namespace quillon;

class ReportCommandsTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        MainWindowTest::init();
        m_tab = std::make_unique<ReportTab>(*m_fixture);
        m_tab->open();
        m_tab->calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
        m_tab->viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
        m_quote = m_tab->rich()->toPlainText();
        QVERIFY(m_quote.contains(QLatin1String("Client:       Smith")));
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }
    void cleanup() {
        m_tab.reset();
        MainWindowTest::cleanup();
        m_folder.reset();
    }

    void saveDialogOffersFiltersAndLastName();
    void saveCancelDoesNothing();
    void saveWritesRichTextWhateverTheName_data();
    void saveWritesRichTextWhateverTheName();
    void saveFailureIsToldAndKeepsReport();
    void saveOverOpenedFileAsksBeforeLosingContent();

    void openBringsBackSavedReport();
    void openShowsPlainTextAsIs();
    void openCancelKeepsReport();
    void openOffersLastName();
    void openFailureIsToldAndKeepsReport();

    void printRangeFollowsSelection_data();
    void printRangeFollowsSelection();
    void printCancelOrNoPrinterPrintsNothing_data();
    void printCancelOrNoPrinterPrintsNothing();
    void printerThatCannotStartIsTold();

private:
    QString path(const char *name) const { return m_folder->filePath(QLatin1String(name)); }
    void answerFile(const QString &answer) { m_fixture->platform.fileAnswers.push_back(answer); }
    // Selects the first occurrence of `text` in the report area; false when there is none.
    bool select(const QString &text);

    std::unique_ptr<ReportTab> m_tab;
    std::unique_ptr<QTemporaryDir> m_folder; // where the user saves and opens reports
    QString m_quote;
};

bool ReportCommandsTest::select(const QString &text) {
    RichTextBox *rich = m_tab->rich();
    const qsizetype start = rich->toPlainText().indexOf(text);
    if (start < 0)
        return false;
    QTextCursor cursor(rich->document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + text.size()), QTextCursor::KeepAnchor);
    rich->setTextCursor(cursor);
    return true;
}

void ReportCommandsTest::saveDialogOffersFiltersAndLastName() {
    answerFile(path("first.rtf"));
    answerFile(QString());
    m_fixture->click("Command4");
    m_fixture->click("Command4");

    const QList<FakePlatform::FileDialog> &dialogs = m_fixture->platform.fileDialogs;
    QCOMPARE(dialogs.size(), 2);
    const QStringList filters = {QStringLiteral("All Files (*.*)"),
                                 QStringLiteral("Rich Text Files(*.rtf)"),
                                 QStringLiteral("Text Files(*.txt)")};
    for (const FakePlatform::FileDialog &dialog : dialogs) {
        QVERIFY(dialog.save);
        QCOMPARE(dialog.request.filters, filters);
        QCOMPARE(dialog.request.selectedFilter, 1);
    }
    QCOMPARE(dialogs[0].request.fileName, QString());
    QCOMPARE(dialogs[1].request.fileName, path("first.rtf"));
}

void ReportCommandsTest::saveCancelDoesNothing() {
    answerFile(QString());
    m_fixture->click("Command4");

    QCOMPARE(m_fixture->platform.fileDialogs.size(), 1);
    QVERIFY(QDir(m_folder->path()).isEmpty());
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
    // A cancelled dialog leaves no name to offer next time.
    m_fixture->click("Command4");
    QCOMPARE(m_fixture->platform.fileDialogs[1].request.fileName, QString());
}

void ReportCommandsTest::saveWritesRichTextWhateverTheName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("rtf name") << "report.rtf";
    QTest::newRow("txt name still gets rich text") << "report.txt";
    QTest::newRow("no extension used as typed") << "report";
}

void ReportCommandsTest::saveWritesRichTextWhateverTheName() {
    QFETCH(QString, name);
    const QString target = m_folder->filePath(name);
    answerFile(target);
    m_fixture->click("Command4");

    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList{name});
    QVERIFY(readFile(target).startsWith("{\\rtf1"));
    QVERIFY(readFile(target).contains("Smith"));
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::saveFailureIsToldAndKeepsReport() {
    answerFile(m_folder->filePath(QStringLiteral("missing/report.rtf")));
    m_fixture->click("Command4");

    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QCOMPARE(m_fixture->platform.messages.constFirst().title, QStringLiteral("Error"));
    QCOMPARE(m_fixture->platform.messages.constFirst().icon, MessageIcon::Warning);
    QVERIFY(QDir(m_folder->path()).isEmpty());
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::saveOverOpenedFileAsksBeforeLosingContent() {
    const QByteArray original = R"({\rtf1{\*\annotation note}{\v secret}Dear customer\par})";
    QVERIFY(writeFile(path("letter.rtf"), original));
    answerFile(path("letter.rtf"));
    m_fixture->click("Command5");
    QCOMPARE(m_tab->rich()->toPlainText(), QStringLiteral("Dear customer"));
    FakePlatform &platform = m_fixture->platform;
    // Told once, at the open.
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Open Report"));
    QVERIFY2(platform.messages[0].text.contains(QLatin1String("comments, hidden text")),
             qPrintable(platform.messages[0].text));

    // The same file by another spelling; no answer scripted means No.
    answerFile(m_folder->path() + QStringLiteral("/./letter.rtf"));
    m_fixture->click("Command4");
    QCOMPARE(platform.questions.size(), 1);
    QVERIFY2(platform.questions[0].prompt.contains(QLatin1String("comments, hidden text")),
             qPrintable(platform.questions[0].prompt));
    QCOMPARE(readFile(path("letter.rtf")), original);

    answerFile(path("copy.rtf"));
    m_fixture->click("Command4");
    QCOMPARE(platform.questions.size(), 1);
    QVERIFY(readFile(path("copy.rtf")).contains("Dear customer"));

    platform.yesNoAnswers.push_back(true);
    answerFile(path("letter.rtf"));
    m_fixture->click("Command4");
    QCOMPARE(platform.questions.size(), 2);
    QCOMPARE(readFile(path("letter.rtf")), readFile(path("copy.rtf")));

    // Once View Report replaces the content, it no longer comes from that file.
    QVERIFY(writeFile(path("letter.rtf"), original));
    answerFile(path("letter.rtf"));
    m_fixture->click("Command5");
    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));
    answerFile(path("letter.rtf"));
    m_fixture->click("Command4");
    QCOMPARE(platform.questions.size(), 2);
    QVERIFY(readFile(path("letter.rtf")).contains("Jones"));
    QCOMPARE(platform.messages.size(), 2); // one for each open
}

void ReportCommandsTest::openBringsBackSavedReport() {
    answerFile(path("saved.rtf"));
    m_fixture->click("Command4");
    m_tab->viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));
    QVERIFY(m_tab->rich()->toPlainText() != m_quote);

    answerFile(path("saved.rtf"));
    m_fixture->click("Command5");

    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(m_fixture->platform.fileDialogs.size(), 2);
    QVERIFY(!m_fixture->platform.fileDialogs[1].save);
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::openShowsPlainTextAsIs() {
    // Braces and backslashes in a plain file are text, not markup.
    QVERIFY(writeFile(path("notes.txt"), "First line {\\b not bold}\r\nSecond line\r\n"));
    answerFile(path("notes.txt"));
    m_fixture->click("Command5");

    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(m_tab->rich()->toPlainText(),
             QStringLiteral("First line {\\b not bold}\nSecond line\n"));
}

void ReportCommandsTest::openCancelKeepsReport() {
    answerFile(QString());
    m_fixture->click("Command5");

    QCOMPARE(m_fixture->platform.fileDialogs.size(), 1);
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::openOffersLastName() {
    QVERIFY(writeFile(path("notes.txt"), "Notes\r\n"));
    answerFile(path("notes.txt"));
    answerFile(QString());
    answerFile(QString());
    m_fixture->click("Command5");
    m_fixture->click("Command5");
    m_fixture->click("Command4");

    const QList<FakePlatform::FileDialog> &dialogs = m_fixture->platform.fileDialogs;
    QCOMPARE(dialogs.size(), 3);
    QCOMPARE(dialogs[0].request.fileName, QString());
    QCOMPARE(dialogs[0].request.selectedFilter, 1);
    // Offered again to the next dialog, open or save, even after a Cancel.
    QCOMPARE(dialogs[1].request.fileName, path("notes.txt"));
    QCOMPARE(dialogs[2].request.fileName, path("notes.txt"));
    QVERIFY(dialogs[2].save);
}

void ReportCommandsTest::openFailureIsToldAndKeepsReport() {
    answerFile(path("gone.rtf"));
    m_fixture->click("Command5");

    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QCOMPARE(m_fixture->platform.messages.constFirst().title, QStringLiteral("Error"));
    QCOMPARE(m_fixture->platform.messages.constFirst().icon, MessageIcon::Warning);
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::printRangeFollowsSelection_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<PrintRange>("preselected");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");
    // The page layout the report was opened with, and the orientation the dialog starts with.
    QTest::addColumn<QByteArray>("pageLayout");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    const QStringList whole = {"15/07/2005", "Client:", "Smith", "Activity Statement",
                               "Profit after GST"};
    QTest::newRow("no selection prints the whole report")
        << QString() << PrintRange::AllPages << whole << QStringList{} << QByteArray()
        << QPageLayout::Portrait;
    QTest::newRow("selection prints only the selected text")
        << "Client:       Smith" << PrintRange::Selection << QStringList{"Client:", "Smith"}
        << QStringList{"15/07/2005", "Desk", "Profit after GST"} << QByteArray()
        << QPageLayout::Portrait;
    QTest::newRow("a landscape document is offered a landscape page")
        << QString() << PrintRange::AllPages << whole << QStringList{}
        << QByteArray("\\paperw15840\\paperh12240\\margl1134") << QPageLayout::Landscape;
    QTest::newRow("a portrait page of its own stays portrait")
        << QString() << PrintRange::AllPages << whole << QStringList{}
        << QByteArray("\\paperw11906\\paperh16838") << QPageLayout::Portrait;
}

void ReportCommandsTest::printRangeFollowsSelection() {
    QFETCH(QString, selection);
    QFETCH(PrintRange, preselected);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    QFETCH(QByteArray, pageLayout);
    QFETCH(QPageLayout::Orientation, orientation);
    if (!hasPopplerTool(QStringLiteral("pdftotext")))
        QSKIP("pdftotext (poppler-utils) is needed to read the printed text back.");
    if (!selection.isEmpty())
        QVERIFY(select(selection));
    if (!pageLayout.isEmpty()) {
        QTextFrame *root = m_tab->rich()->document()->rootFrame();
        QTextFrameFormat format = root->frameFormat();
        format.setProperty(quillon::pageLayoutProperty, pageLayout);
        root->setFrameFormat(format);
    }
    // The user keeps the range the dialog preselected.
    m_fixture->platform.printAnswers.push_back(preselected);
    m_fixture->click("Command6");

    QCOMPARE(m_fixture->platform.printDialogsPreselected, QList<PrintRange>{preselected});
    QCOMPARE(m_fixture->platform.printDialogOrientations,
             QList<QPageLayout::Orientation>{orientation});
    QCOMPARE(m_fixture->platform.printedFiles.size(), 1);
    const std::optional<QString> read =
        pdfText(m_fixture->platform.printedFiles.constFirst(), {QStringLiteral("-layout")});
    QVERIFY(read);
    const QString &text = *read;
    for (const QString &expected : printed)
        QVERIFY2(text.contains(expected), qPrintable(expected + QLatin1String(" in:\n") + text));
    for (const QString &unexpected : notPrinted)
        QVERIFY2(!text.contains(unexpected),
                 qPrintable(unexpected + QLatin1String(" in:\n") + text));
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

void ReportCommandsTest::printCancelOrNoPrinterPrintsNothing_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QList<PrintRange>>("dialogs");
    QTest::addColumn<QString>("told"); // empty: nothing
    QTest::newRow("Cancel in the dialog")
        << QStringList{"Office"} << QList<PrintRange>{PrintRange::AllPages} << QString();
    QTest::newRow("no printer installed is told, as in the report window")
        << QStringList() << QList<PrintRange>() << "No printer is installed";
}

void ReportCommandsTest::printCancelOrNoPrinterPrintsNothing() {
    QFETCH(QStringList, installed);
    QFETCH(QList<PrintRange>, dialogs);
    QFETCH(QString, told);
    m_fixture->platform.printers = installed;
    m_fixture->platform.printAnswers.push_back(std::nullopt);
    m_fixture->click("Command6");

    QCOMPARE(m_fixture->platform.printDialogsPreselected, dialogs);
    QVERIFY(m_fixture->platform.printedFiles.isEmpty());
    QCOMPARE(m_fixture->platform.messages.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QVERIFY(m_fixture->platform.messages.constFirst().text.contains(told));
}

void ReportCommandsTest::printerThatCannotStartIsTold() {
    // The scripted printers write printed-N.pdf beside the program folder; a folder of that name
    // keeps the first one from starting.
    const QString blocked = QFileInfo(m_fixture->platform.programFolderPath)
                                .dir()
                                .filePath(QStringLiteral("printed-1.pdf"));
    QVERIFY(QDir().mkdir(blocked));
    m_fixture->platform.printAnswers.push_back(PrintRange::AllPages);
    m_fixture->click("Command6");

    QCOMPARE(m_fixture->platform.printedFiles, QStringList{blocked});
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QCOMPARE(m_fixture->platform.messages.constFirst().title, QStringLiteral("Error"));
    QCOMPARE(m_fixture->platform.messages.constFirst().icon, MessageIcon::Warning);
    QCOMPARE(m_tab->rich()->toPlainText(), m_quote);
}

QTEST_MAIN(ReportCommandsTest)
#include "report_commands_test.moc"
