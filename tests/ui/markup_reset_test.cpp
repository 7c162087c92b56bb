// The custom markup choice (Option9 and its prompt) and the Reset command, driven by mouse clicks
// on the real main window.
#include "main_window_fixture.h"

#include <QAccessible>
#include <QTextEdit>

using namespace quillon;

namespace {

const QString kPrompt = QStringLiteral(
    "Type the markup percentage you would like to use in a whole number for eg. 200");
const QString kPromptTitle = QStringLiteral("Custom Markup");
const QString kCustomCaption = QStringLiteral("Custom Markup %");

// The ten result labels in the order Calculate writes them.
const char *const kResultLabels[] = {"Label1",  "Label2",  "Label9",  "Label8",  "Label20",
                                     "Label17", "Label24", "Label32", "Label33", "Label34"};

} // namespace

class MarkupResetTest : public MainWindowTest {
    Q_OBJECT

private Q_SLOTS:
    void acceptedAnswerBecomesCaptionAndRate_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("kept"); // the answer the quote shows
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("rate");
        const QLocale australia(QLocale::English, QLocale::Australia);
        QTest::newRow("200") << australia << "200"
                             << "200"
                             << "200%" << 2.0;
        QTest::newRow("12.5, a fraction is accepted") << australia << "12.5"
                                                      << "12.5"
                                                      << "12.5%" << 0.125;
        QTest::newRow("0, no markup") << australia << "0"
                                      << "0"
                                      << "0%" << 0.0;
        QTest::newRow("negative") << australia << "-10"
                                  << "-10"
                                  << "-10%" << -0.1;
        QTest::newRow("12.5 under German, as the boxes take it")
            << QLocale(QLocale::German, QLocale::Germany) << "12.5"
            << "12.5"
            << "12.5%" << 0.125;
        QTest::newRow("12,5 with a decimal comma")
            << QLocale(QLocale::German, QLocale::Germany) << "12,5"
            << "12,5"
            << "12,5%" << 0.125;
        QTest::newRow("&H10, the ampersand shown, not a mnemonic") << australia << "&H10"
                                                                   << "&H10"
                                                                   << "&H10%" << 0.16;
        QTest::newRow("25%, as the captions show a markup") << australia << "25%"
                                                            << "25%"
                                                            << "25%" << 0.25;
        QTest::newRow("200 and a pasted line break, kept on one line") << australia << "200\r\n"
                                                                       << "200"
                                                                       << "200%" << 2.0;
    }
    void acceptedAnswerBecomesCaptionAndRate() {
        QFETCH(QLocale, locale);
        QFETCH(QString, answer);
        QFETCH(QString, kept);
        QFETCH(QString, caption);
        QFETCH(double, rate);
        QLocale::setDefault(locale);
        m_fixture->platform.textAnswers = {answer};
        chooseCustomMarkup();

        QCOMPARE(m_fixture->platform.prompts.size(), 1);
        QCOMPARE(m_fixture->platform.prompts.constFirst().prompt, kPrompt);
        QCOMPARE(m_fixture->platform.prompts.constFirst().title, kPromptTitle);
        // What the caption shows, as a screen reader reads it: mnemonic marks are not shown.
        QCOMPARE(QAccessible::queryAccessibleInterface(option(9))->text(QAccessible::Name),
                 caption);
        QVERIFY(QKeySequence::mnemonic(option(9)->text()).isEmpty());
        QCOMPARE(selectedOptions(), QList<int>{9});
        const PricingState &state = m_fixture->window->pricingState();
        QCOMPARE(state.customMarkupText, std::optional<QString>(kept));
        QVERIFY(state.customMarkupRate.has_value());
        QCOMPARE(*state.customMarkupRate, rate);
        QVERIFY(m_fixture->platform.messages.isEmpty());
    }

    void customRateIsUsedByCalculate() {
        m_fixture->platform.textAnswers = {QStringLiteral("200")};
        chooseCustomMarkup();
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->click("Command1");
        QCOMPARE(m_fixture->caption("Label9"), QStringLiteral("300.00"));
        QCOMPARE(m_fixture->caption("Label8"), QStringLiteral("330.00"));
        QCOMPARE(m_fixture->caption("Label20"), QStringLiteral("200.00"));
    }

    void keyboardChoicePromptsToo() {
        m_fixture->platform.textAnswers = {QStringLiteral("30")};
        option(9)->setFocus();
        QTest::keyClick(option(9), Qt::Key_Space);
        QCOMPARE(m_fixture->platform.prompts.size(), 1);
        QCOMPARE(option(9)->text(), QStringLiteral("30%"));
        QCOMPARE(selectedOptions(), QList<int>{9});
    }

    void rejectedAnswerFallsBackToFivePercent_data() {
        QTest::addColumn<QStringList>("earlierAnswers"); // accepted before the rejected one
        QTest::addColumn<QString>("answer");             // a null text stands for Cancel
        QTest::addColumn<QString>("caption");
        QTest::addColumn<std::optional<double>>("rate");
        QTest::addColumn<bool>("told"); // a typed answer is refused with a message
        QTest::newRow("Cancel on first use")
            << QStringList() << QString() << kCustomCaption << std::optional<double>() << false;
        QTest::newRow("empty answer")
            << QStringList() << "" << kCustomCaption << std::optional<double>() << false;
        QTest::newRow("abc on first use")
            << QStringList() << "abc" << kCustomCaption << std::optional<double>() << true;
        QTest::newRow("Cancel after 200 keeps 200%")
            << QStringList{"200"} << QString() << "200%" << std::optional<double>(2.0) << false;
        QTest::newRow("abc after 200 keeps rate 2") << QStringList{"200"} << "abc"
                                                    << "200%" << std::optional<double>(2.0) << true;
        QTest::newRow("number with trailing letters")
            << QStringList{"200"} << "15x"
            << "200%" << std::optional<double>(2.0) << true;
    }
    void rejectedAnswerFallsBackToFivePercent() {
        QFETCH(QStringList, earlierAnswers);
        QFETCH(QString, answer);
        QFETCH(QString, caption);
        QFETCH(std::optional<double>, rate);
        QFETCH(bool, told);
        for (const QString &earlier : std::as_const(earlierAnswers)) {
            m_fixture->platform.textAnswers = {earlier};
            chooseCustomMarkup();
            // Another markup in between, so that the option is chosen anew.
            choose(2);
            QCOMPARE(selectedOptions(), QList<int>{2});
        }
        m_fixture->platform.textAnswers.clear();
        if (!answer.isNull())
            m_fixture->platform.textAnswers = {answer};
        chooseCustomMarkup();

        // Back to 5 %, not to the markup chosen before the prompt.
        QCOMPARE(selectedOptions(), QList<int>{1});
        QCOMPARE(option(9)->text(), caption);
        const PricingState &state = m_fixture->window->pricingState();
        QCOMPARE(state.customMarkupText,
                 std::optional<QString>(answer.isNull() ? QString("") : answer));
        QCOMPARE(state.customMarkupRate, rate);
        QCOMPARE(m_fixture->platform.prompts.size(), earlierAnswers.size() + 1);
        QCOMPARE(m_fixture->platform.messages.size(), told ? 1 : 0);
        if (told) {
            const FakePlatform::Message &message = m_fixture->platform.messages.constFirst();
            QVERIFY2(message.text.contains(answer + QStringLiteral("\" is not a number")),
                     qPrintable(message.text));
            QCOMPARE(message.title, kPromptTitle);
            QCOMPARE(message.icon, MessageIcon::Warning);
        }
    }

    void resetClearsThePageButKeepsRateAndState() {
        calculateWithCustomMarkup();
        m_fixture->find<QTextEdit>("Rich")->setPlainText(QStringLiteral("an earlier quote"));
        const PricingState before = m_fixture->window->pricingState();

        m_fixture->click("Command2");

        for (const char *label : kResultLabels)
            QCOMPARE(m_fixture->caption(label), QStringLiteral("0"));
        auto *text1 = m_fixture->find<QLineEdit>("Text1");
        QVERIFY(text1->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), text1);
        QCOMPARE(selectedOptions(), QList<int>{1});
        QCOMPARE(option(9)->text(), kCustomCaption);
        QVERIFY(m_fixture->find<QTextEdit>("Rich")->toPlainText().isEmpty());
        QCOMPARE(m_fixture->find<QLineEdit>("Text9")->text(), QStringLiteral("10"));
        QVERIFY(m_fixture->window->pricingState() == before);
        QVERIFY(m_fixture->platform.messages.isEmpty());
        QCOMPARE(m_fixture->platform.prompts.size(), 1);
    }

    void calculateRightAfterResetWarnsThenShowsPreviousResults() {
        calculateWithCustomMarkup();
        QStringList shown;
        for (const char *label : kResultLabels)
            shown.append(m_fixture->caption(label));

        m_fixture->click("Command2");
        m_fixture->click("Command1");

        QCOMPARE(m_fixture->platform.messages.size(), 1);
        QCOMPARE(m_fixture->platform.messages.constFirst().text,
                 QStringLiteral("Error encountered Please Enter a Value,\r\nthen please retry."));
        QCOMPARE(m_fixture->platform.messages.constFirst().title,
                 QStringLiteral("Error Value Found"));
        // The custom total of 300 comes back although 5 % is selected now.
        QStringList after;
        for (const char *label : kResultLabels)
            after.append(m_fixture->caption(label));
        QCOMPARE(after, shown);
        QCOMPARE(m_fixture->caption("Label9"), QStringLiteral("300.00"));
    }

private:
    QRadioButton *option(int number) const {
        const QByteArray name = "Option" + QByteArray::number(number);
        return m_fixture->find<QRadioButton>(name.constData());
    }

    QList<int> selectedOptions() const {
        QList<int> selected;
        for (int i = 1; i <= 9; ++i) {
            if (option(i)->isChecked())
                selected.append(i);
        }
        return selected;
    }

    // Clicked on its indicator: Qt ignores clicks on the blank part right of a short caption.
    void choose(int number) const {
        QRadioButton *button = option(number);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void chooseCustomMarkup() const { choose(9); }

    // Price 110 at 10 % with a custom markup of 200 %, the results shown.
    void calculateWithCustomMarkup() {
        m_fixture->platform.textAnswers = {QStringLiteral("200")};
        chooseCustomMarkup();
        m_fixture->type("Text1", QStringLiteral("110"));
        m_fixture->type("Text9", QStringLiteral("10"));
        m_fixture->click("Command1");
        QCOMPARE(m_fixture->caption("Label9"), QStringLiteral("300.00"));
        QCOMPARE(option(9)->text(), QStringLiteral("200%"));
    }
};

QTEST_MAIN(MarkupResetTest)
#include "markup_reset_test.moc"
