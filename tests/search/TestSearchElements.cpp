#include "search/SearchElements.h"

#include "fakes/FakeDialogs.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <stdexcept>

using namespace Qt::StringLiterals;
using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::search::SearchElements;
using corvanel::test::FakeDialogs;

class TestSearchElements : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void match_data();
    void match();
    void noMatch_data();
    void noMatch();
    void emptyAnswerShowsNothing_data();
    void emptyAnswerShowsNothing();
    void megabyteAnswerIsQuick();
    void searchingTheSameElementAgainSelectsAgain();
    void selectionFailureIsNotCaught();

private:
    void runOnce(const QString& answer);
    void verifyAskedOnce();
    void verifyNotFoundBox();

    FakeDialogs m_dialogs;
    QList<int> m_selected;
    QWidget m_owner;
};

void TestSearchElements::init()
{
    m_dialogs = FakeDialogs();
    m_selected.clear();
}

void TestSearchElements::runOnce(const QString& answer)
{
    m_dialogs.inputAnswers = {answer};
    SearchElements search(m_dialogs, [this](int atomicNumber) { m_selected.append(atomicNumber); });
    search.run(&m_owner);
}

void TestSearchElements::verifyAskedOnce()
{
    QCOMPARE(m_dialogs.inputs.size(), 1);
    QCOMPARE(m_dialogs.inputs.first().prompt, u"Enter Element Symbol"_s);
    QCOMPARE(m_dialogs.inputs.first().title, u"Element Search"_s);
}

void TestSearchElements::verifyNotFoundBox()
{
    QCOMPARE(m_dialogs.messages.size(), 1);
    const corvanel::platform::MessageSpec& box = m_dialogs.messages.first();
    QCOMPARE(box.text, u"Sorry, Could not find element!"_s);
    QCOMPARE(box.title, u"Error"_s);
    QCOMPARE(box.icon, MessageIcon::Warning);
    QCOMPARE(box.buttons, MessageButtons::Ok);
}

void TestSearchElements::match_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("atomicNumber");

    QTest::newRow("na") << u"na"_s << 11;
    QTest::newRow("Na") << u"Na"_s << 11;
    QTest::newRow("nA") << u"nA"_s << 11;
    QTest::newRow("NA") << u"NA"_s << 11;
    QTest::newRow("Si") << u"Si"_s << 14;
    QTest::newRow("S") << u"S"_s << 16;
    QTest::newRow("Rn") << u"Rn"_s << 86;
    QTest::newRow("Ra") << u"Ra"_s << 88;
    QTest::newRow("Ha") << u"Ha"_s << 105;
    QTest::newRow("Ns") << u"Ns"_s << 107;
    QTest::newRow("Zn") << u"Zn"_s << 30;
    QTest::newRow("Pt") << u"Pt"_s << 78;
    QTest::newRow("K") << u"K"_s << 19;
    QTest::newRow("lr") << u"lr"_s << 103;
}

void TestSearchElements::match()
{
    QFETCH(QString, answer);
    QFETCH(int, atomicNumber);

    runOnce(answer);

    verifyAskedOnce();
    QCOMPARE(m_selected, QList<int> {atomicNumber});
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestSearchElements::noMatch_data()
{
    QTest::addColumn<QString>("answer");

    QTest::newRow("Db") << u"Db"_s;
    QTest::newRow("Bh") << u"Bh"_s;
    QTest::newRow("Uue") << u"Uue"_s;
    QTest::newRow("leading blank") << u" Na"_s;
    QTest::newRow("trailing blank") << u"Na "_s;
    QTest::newRow("name") << u"Sodium"_s;
    QTest::newRow("atomic number") << u"11"_s;
    QTest::newRow("blank only") << u" "_s;
    QTest::newRow("megabyte of a") << QString(1024 * 1024, u'a');
    QTest::newRow("control characters") << u"\x01\x02\x1b[2J\r\n\x7f"_s;
    QTest::newRow("embedded NUL") << (u"N"_s + QChar(0) + u"A"_s);
    QTest::newRow("NUL only") << QString(QChar(0));
    QTest::newRow("Arabic") << u"الصوديوم"_s;
    QTest::newRow("Hebrew") << u"נתרן"_s;
    QTest::newRow("right-to-left mark") << (QChar(0x200F) + u"Na"_s);
    QTest::newRow("emoji") << u"🧪⚗️"_s;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83E));
    QTest::newRow("lone low surrogate before NA") << (QChar(0xDC00) + u"NA"_s);
    QTest::newRow("Cyrillic look-alike") << u"Nа"_s; // the second letter is Cyrillic
}

void TestSearchElements::noMatch()
{
    QFETCH(QString, answer);

    runOnce(answer);

    verifyAskedOnce();
    verifyNotFoundBox();
    QVERIFY(m_selected.isEmpty());
}

void TestSearchElements::emptyAnswerShowsNothing_data()
{
    QTest::addColumn<bool>("cancelled");

    QTest::newRow("cancelled or closed") << true;
    QTest::newRow("empty field confirmed") << false;
}

void TestSearchElements::emptyAnswerShowsNothing()
{
    QFETCH(bool, cancelled);

    if (cancelled) {
        // The fake answers a null text when it has no scripted answer, as a cancelled box does.
        SearchElements search(m_dialogs, [this](int atomicNumber) { m_selected.append(atomicNumber); });
        search.run(&m_owner);
    } else {
        runOnce(u""_s);
    }

    verifyAskedOnce();
    QVERIFY(m_dialogs.messages.isEmpty());
    QVERIFY(m_selected.isEmpty());
}

void TestSearchElements::megabyteAnswerIsQuick()
{
    QElapsedTimer timer;
    timer.start();
    runOnce(QString(1024 * 1024, u'a'));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    verifyNotFoundBox();
    QVERIFY(m_selected.isEmpty());
}

void TestSearchElements::searchingTheSameElementAgainSelectsAgain()
{
    m_dialogs.inputAnswers = {u"Na"_s, u"xx"_s, u"na"_s};
    SearchElements search(m_dialogs, [this](int atomicNumber) { m_selected.append(atomicNumber); });
    search.run(&m_owner);
    search.run(&m_owner);
    search.run(&m_owner);

    QCOMPARE(m_dialogs.inputs.size(), 3);
    QCOMPARE(m_selected, (QList<int> {11, 11}));
    QCOMPARE(m_dialogs.messages.size(), 1);
}

void TestSearchElements::selectionFailureIsNotCaught()
{
    m_dialogs.inputAnswers = {u"Fe"_s};
    SearchElements search(m_dialogs, [](int) { throw std::runtime_error("selection failed"); });
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, search.run(&m_owner));
    QVERIFY(m_dialogs.messages.isEmpty());
}

QTEST_MAIN(TestSearchElements)
#include "TestSearchElements.moc"
