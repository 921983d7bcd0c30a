#include "app/ApplicationSetup.h"
#include "app/Translations.h"
#include "catalogue/ElementCatalogue.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "windows/AboutWindow.h"
#include "windows/KeyWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace corvanel::ui;
using corvanel::test::FakePlatform;

namespace {

/** Every text a window shows, with where and how large its control is: equal dumps, equal windows. */
QStringList dump(const QWidget& window)
{
    QStringList lines;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* frame = qobject_cast<const QGroupBox*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString text = label ? label->text() : frame ? frame->title() : button ? button->text() : QString();
        const QRect box = w->geometry();
        lines << w->objectName()
                + QStringLiteral(" %1,%2 %3x%4 ").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())
                + w->accessibleDescription() + u'|' + w->toolTip() + text;
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        lines << action->objectName() + u' ' + action->text();
    }
    return lines;
}

/** Why @p w does not show its text whole at its own font ("text needs N of M px"), or nothing. */
QString clipped(const QWidget* w)
{
    const QFontMetrics metrics(w->font());
    QString text;
    QRect box;
    QRect needed;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        text = label->text();
        box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        needed = metrics.boundingRect(box, flags, text);
        if (label->wordWrap()) {
            // A wrapped label is drawn for whole lines: the series names' two lines take 26 px of 25.
            const int line = metrics.boundingRect(box, flags, QStringLiteral("X")).height();
            const bool room = qRound(double(needed.height()) / line) <= qRound(double(box.height()) / line);
            needed.setHeight(room ? 1 : needed.height());
            needed.moveTop(box.top());
        }
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        box = frame->rect();
        needed = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    } else if (const auto* tile = qobject_cast<const PowerButton*>(w)) {
        // The tile draws its icon, a 4 px gap and the text inside a 2 px border.
        text = tile->text();
        box = tile->rect().adjusted(2, 2, -2, -2);
        const int icon = tile->icon().isNull() ? 0 : tile->iconSize().width() + 4;
        needed = QRect(box.topLeft(), QSize(icon + metrics.horizontalAdvance(QString(text).remove(u'&')), 1));
    }
    const auto size = [](QRect r) { return QStringLiteral("%1x%2").arg(r.width()).arg(r.height()); };
    return box.isNull() || box.contains(needed)
        ? QString()
        : QStringLiteral("%1 \"%2\" needs %3 of %4 px").arg(w->objectName(), text, size(needed), size(box));
}

void collectClipped(const QWidget& window, QStringList& found)
{
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const QString why = clipped(w); !why.isEmpty() && !found.contains(why)) {
            found << why;
        }
    }
}

QChar accessKey(const QString& text)
{
    const qsizetype at = text.indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { corvanel::app::configureApplication(); }
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>()); }

    void desktopLanguagePicksTheTranslation_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("C") << QStringList {u"C"_qs} << QString();
        QTest::newRow("en-US") << QStringList {u"en-US"_qs, u"en"_qs} << QString();
        QTest::newRow("en_GB before German") << QStringList {u"en_GB"_qs, u"de"_qs} << QString();
        QTest::newRow("untranslated Italian") << QStringList {u"it-IT"_qs, u"it"_qs} << QString();
        QTest::newRow("nothing") << QStringList {} << QString();
        QTest::newRow("German") << QStringList {u"de"_qs} << u"de"_qs;
        QTest::newRow("Austrian German") << QStringList {u"de-AT"_qs, u"de"_qs} << u"de"_qs;
        QTest::newRow("LANG form") << QStringList {u"fr_CA.UTF-8"_qs} << u"fr"_qs;
        QTest::newRow("Italian, then Spanish") << QStringList {u"it"_qs, u"es-MX"_qs} << u"es"_qs;
        QTest::newRow("French before English") << QStringList {u"fr"_qs, u"en"_qs} << u"fr"_qs;
    }
    void desktopLanguagePicksTheTranslation()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(corvanel::app::chooseLanguage(uiLanguages), language);
    }

    void englishIsExactlyTheProgramsOwn()
    {
        FakePlatform fakes;
        const QStringList untranslated = dump(MainWindow(fakes.platform));
        QVERIFY(untranslated.contains(u"LblCrySt 8,40 89x17 |Crystal Structure:"_qs));
        QStringList clippedTexts;
        collectClipped(MainWindow(fakes.platform), clippedTexts);
        QVERIFY2(clippedTexts.isEmpty(), qPrintable(clippedTexts.join(u"; ")));
        for (const QString& desktop : {u"C"_qs, u"en-GB"_qs, u"it-IT"_qs}) {
            QCOMPARE(corvanel::app::installTranslations({desktop}), QString());
            QCOMPARE(dump(MainWindow(fakes.platform)), untranslated);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_qs);
        }
    }

    void everyLanguageIsCompleteAndFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel"); // Qt's own button, from Debian's Qt translations
        QTest::newRow("de") << u"de"_qs << u"Abbrechen"_qs;
        QTest::newRow("fr") << u"fr"_qs << u"Annuler"_qs;
        QTest::newRow("es") << u"es"_qs << u"Cancelar"_qs;
    }
    void everyLanguageIsCompleteAndFits()
    {
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        // lupdate run over today's sources into a copy: anything new, untranslated or gone shows in it.
        if (QByteArray(CORVANEL_LUPDATE).isEmpty() || QByteArray(CORVANEL_LUPDATE).endsWith("NOTFOUND")) {
            QSKIP("lupdate (qt6-l10n-tools) is not installed");
        }
        QTemporaryDir dir;
        const QString ts = dir.filePath(u"corvanel.ts"_qs);
        QVERIFY(QFile::copy(QStringLiteral(CORVANEL_TS_DIR "/corvanel_%1.ts").arg(language), ts));
        QProcess lupdate;
        lupdate.start(
            QStringLiteral(CORVANEL_LUPDATE),
            {u"-silent"_qs, u"-locations"_qs, u"none"_qs, QStringLiteral(CORVANEL_SOURCE_DIR), u"-ts"_qs, ts});
        QVERIFY2(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int messages = 0;
        QString source;
        for (QXmlStreamReader xml(&file); !xml.atEnd();) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.isStartElement() && xml.name() == u"translation") {
                ++messages;
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                QVERIFY2(finished && !xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty(),
                         qPrintable(source));
            }
        }
        QVERIFY2(messages > 200, qPrintable(QString::number(messages)));

        QCOMPARE(corvanel::app::installTranslations({language}), language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        FakePlatform fakes;
        MainWindow window(fakes.platform);
        QVERIFY(window.findChild<QLabel*>(u"LblAtNumber"_qs)->text() != u"Atomic Number:"_qs);
        QStringList clippedTexts;
        collectClipped(window, clippedTexts);
        for (int atomicNumber = 1; atomicNumber <= corvanel::catalogue::kElementCount; ++atomicNumber) {
            window.selectElement(window.elementButton(atomicNumber), corvanel::catalogue::catalogueEntry(atomicNumber));
            collectClipped(window, clippedTexts);
        }
        // Within each menu, and on the menu bar with the Key button, no access key serves two items.
        QList<QList<QAction*>> groups {window.menuBar()->actions()};
        for (QAction* menu : window.menuBar()->actions()) {
            groups << menu->menu()->actions();
        }
        groups.front() << new QAction(window.findChild<PowerButton*>(u"CmdKey"_qs)->text(), &window);
        for (const QList<QAction*>& group : groups) {
            QSet<QChar> keys;
            for (const QAction* action : group) {
                if (!action->isSeparator()) {
                    QVERIFY2(!keys.contains(accessKey(action->text())), qPrintable(action->text()));
                    keys.insert(accessKey(action->text()));
                }
            }
        }
        std::unique_ptr<KeyWindow> key(KeyWindow::showSingle());
        collectClipped(*key, clippedTexts);
        collectClipped(AboutWindow(fakes.platform, &window), clippedTexts);
        QVERIFY2(clippedTexts.isEmpty(), qPrintable(clippedTexts.join(u"; ")));
    }
};

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
