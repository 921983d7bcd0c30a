#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;
using corvanel::ui::PowerButton;

using namespace Qt::StringLiterals;

namespace {

struct ExpectedButton
{
    const char* name;
    const char* caption;
    int tabIndex;
    int left; // pixels in the client area
    int top;
    QRgb colour;
};

// Written out from the window's design by hand, independently of the program's own table.
// clang-format off
const ExpectedButton kExpectedButtons[] = {
    {"CmdH", "H", 40, 8, 112, qRgb(128, 255, 255)},
    {"CmdC", "C", 41, 424, 144, qRgb(128, 255, 255)},
    {"CmdN", "N", 42, 456, 144, qRgb(128, 255, 255)},
    {"CmdO", "O", 43, 488, 144, qRgb(128, 255, 255)},
    {"CmdP", "P", 44, 456, 176, qRgb(128, 255, 255)},
    {"CmdS", "S", 45, 488, 176, qRgb(128, 255, 255)},
    {"CmdSe", "Se", 46, 488, 208, qRgb(128, 255, 255)},
    {"CmdLi", "Li", 47, 8, 144, qRgb(128, 255, 128)},
    {"CmdNa", "Na", 48, 8, 176, qRgb(128, 255, 128)},
    {"CmdK", "K", 49, 8, 208, qRgb(128, 255, 128)},
    {"CmdRb", "Rb", 50, 8, 240, qRgb(128, 255, 128)},
    {"CmdCs", "Cs", 51, 8, 272, qRgb(128, 255, 128)},
    {"CmdFr", "Fr", 52, 8, 304, qRgb(128, 255, 128)},
    {"CmdBe", "Be", 53, 40, 144, qRgb(255, 255, 128)},
    {"CmdMg", "Mg", 54, 40, 176, qRgb(255, 255, 128)},
    {"CmdCa", "Ca", 55, 40, 208, qRgb(255, 255, 128)},
    {"CmdSr", "Sr", 56, 40, 240, qRgb(255, 255, 128)},
    {"CmdBa", "Ba", 57, 40, 272, qRgb(255, 255, 128)},
    {"CmdRa", "Ra", 58, 40, 304, qRgb(255, 255, 128)},
    {"CmdSc", "Sc", 59, 72, 208, qRgb(255, 128, 128)},
    {"CmdY", "Y", 60, 72, 240, qRgb(255, 128, 128)},
    {"CmdLa", "La", 61, 72, 272, qRgb(255, 128, 128)},
    {"CmdAc", "Ac", 62, 72, 304, qRgb(255, 128, 128)},
    {"CmdTi", "Ti", 63, 104, 208, qRgb(255, 128, 128)},
    {"CmdZr", "Zr", 64, 104, 240, qRgb(255, 128, 128)},
    {"CmdHf", "Hf", 65, 104, 272, qRgb(255, 128, 128)},
    {"CmdRf", "Rf", 66, 104, 304, qRgb(255, 128, 128)},
    {"CmdV", "V", 67, 136, 208, qRgb(255, 128, 128)},
    {"CmdNb", "Nb", 68, 136, 240, qRgb(255, 128, 128)},
    {"CmdTa", "Ta", 69, 136, 272, qRgb(255, 128, 128)},
    {"CmdHa", "Ha", 70, 136, 304, qRgb(255, 128, 128)},
    {"CmdCr", "Cr", 71, 168, 208, qRgb(255, 128, 128)},
    {"CmdMo", "Mo", 72, 168, 240, qRgb(255, 128, 128)},
    {"CmdW", "W", 73, 168, 272, qRgb(255, 128, 128)},
    {"CmdSg", "Sg", 74, 168, 304, qRgb(255, 128, 128)},
    {"CmdMn", "Mn", 75, 200, 208, qRgb(255, 128, 128)},
    {"CmdTc", "Tc", 76, 200, 240, qRgb(255, 128, 128)},
    {"CmdRe", "Re", 77, 200, 272, qRgb(255, 128, 128)},
    {"CmdNs", "Ns", 78, 200, 304, qRgb(255, 128, 128)},
    {"CmdFe", "Fe", 79, 232, 208, qRgb(255, 128, 128)},
    {"CmdRu", "Ru", 80, 232, 240, qRgb(255, 128, 128)},
    {"CmdOs", "Os", 81, 232, 272, qRgb(255, 128, 128)},
    {"CmdHs", "Hs", 82, 232, 304, qRgb(255, 128, 128)},
    {"CmdCo", "Co", 83, 264, 208, qRgb(255, 128, 128)},
    {"CmdRh", "Rh", 84, 264, 240, qRgb(255, 128, 128)},
    {"CmdIr", "Ir", 85, 264, 272, qRgb(255, 128, 128)},
    {"CmdMt", "Mt", 86, 264, 304, qRgb(255, 128, 128)},
    {"CmdNi", "Ni", 87, 296, 208, qRgb(255, 128, 128)},
    {"CmdPd", "Pd", 88, 296, 240, qRgb(255, 128, 128)},
    {"CmdPt", "Pt", 89, 296, 272, qRgb(255, 128, 128)},
    {"CmdCu", "Cu", 90, 328, 208, qRgb(255, 128, 128)},
    {"CmdAg", "Ag", 91, 328, 240, qRgb(255, 128, 128)},
    {"CmdAu", "Au", 92, 328, 272, qRgb(255, 128, 128)},
    {"CmdZn", "Zn", 93, 360, 208, qRgb(255, 128, 128)},
    {"CmdCd", "Cd", 94, 360, 240, qRgb(255, 128, 128)},
    {"CmdHg", "Hg", 95, 360, 272, qRgb(255, 128, 128)},
    {"CmdAl", "Al", 96, 392, 176, qRgb(128, 0, 255)},
    {"CmdGa", "Ga", 97, 392, 208, qRgb(128, 0, 255)},
    {"CmdIn", "In", 98, 392, 240, qRgb(128, 0, 255)},
    {"CmdTl", "Tl", 99, 392, 272, qRgb(128, 0, 255)},
    {"CmdSn", "Sn", 100, 424, 240, qRgb(128, 0, 255)},
    {"CmdPb", "Pb", 101, 424, 272, qRgb(128, 0, 255)},
    {"CmdBi", "Bi", 102, 456, 272, qRgb(128, 0, 255)},
    {"CmdB", "B", 103, 392, 144, qRgb(255, 128, 255)},
    {"CmdSi", "Si", 104, 424, 176, qRgb(255, 128, 255)},
    {"CmdGe", "Ge", 105, 424, 208, qRgb(255, 128, 255)},
    {"CmdSb", "Sb", 106, 456, 240, qRgb(255, 128, 255)},
    {"CmdAs", "As", 107, 456, 208, qRgb(255, 128, 255)},
    {"CmdTe", "Te", 108, 488, 240, qRgb(255, 128, 255)},
    {"CmdPo", "Po", 109, 488, 272, qRgb(255, 128, 255)},
    {"CmdF", "F", 110, 520, 144, qRgb(0, 128, 64)},
    {"CmdCl", "Cl", 111, 520, 176, qRgb(0, 128, 64)},
    {"CmdBr", "Br", 112, 520, 208, qRgb(0, 128, 64)},
    {"CmdI", "I", 113, 520, 240, qRgb(0, 128, 64)},
    {"CmdAt", "At", 114, 520, 272, qRgb(0, 128, 64)},
    {"CmdHe", "He", 115, 552, 112, qRgb(90, 173, 173)},
    {"CmdNe", "Ne", 116, 552, 144, qRgb(90, 173, 173)},
    {"CmdAr", "Ar", 117, 552, 176, qRgb(90, 173, 173)},
    {"CmdKr", "Kr", 118, 552, 208, qRgb(90, 173, 173)},
    {"CmdXe", "Xe", 119, 552, 240, qRgb(90, 173, 173)},
    {"CmdRn", "Rn", 120, 552, 272, qRgb(90, 173, 173)},
    {"CmdCe", "Ce", 121, 88, 344, qRgb(255, 157, 111)},
    {"CmdPr", "Pr", 122, 120, 344, qRgb(255, 157, 111)},
    {"CmdNd", "Nd", 123, 152, 344, qRgb(255, 157, 111)},
    {"CmdPm", "Pm", 124, 184, 344, qRgb(255, 157, 111)},
    {"CmdSm", "Sm", 125, 216, 344, qRgb(255, 157, 111)},
    {"CmdEu", "Eu", 126, 248, 344, qRgb(255, 157, 111)},
    {"CmdGd", "Gd", 127, 280, 344, qRgb(255, 157, 111)},
    {"CmdTb", "Tb", 128, 312, 344, qRgb(255, 157, 111)},
    {"CmdDy", "Dy", 129, 344, 344, qRgb(255, 157, 111)},
    {"CmdHo", "Ho", 130, 376, 344, qRgb(255, 157, 111)},
    {"CmdEr", "Er", 131, 408, 344, qRgb(255, 157, 111)},
    {"CmdTm", "Tm", 132, 440, 344, qRgb(255, 157, 111)},
    {"CmdYb", "Yb", 133, 472, 344, qRgb(255, 157, 111)},
    {"CmdLu", "Lu", 134, 504, 344, qRgb(255, 157, 111)},
    {"CmdTh", "Th", 135, 88, 376, qRgb(255, 157, 111)},
    {"CmdPa", "Pa", 136, 120, 376, qRgb(255, 157, 111)},
    {"CmdU", "U", 137, 152, 376, qRgb(255, 157, 111)},
    {"CmdNp", "Np", 138, 184, 376, qRgb(255, 157, 111)},
    {"CmdPu", "Pu", 139, 216, 376, qRgb(255, 157, 111)},
    {"CmdAm", "Am", 140, 248, 376, qRgb(255, 157, 111)},
    {"CmdCm", "Cm", 141, 280, 376, qRgb(255, 157, 111)},
    {"CmdBk", "Bk", 142, 312, 376, qRgb(255, 157, 111)},
    {"CmdCf", "Cf", 143, 344, 376, qRgb(255, 157, 111)},
    {"CmdEs", "Es", 144, 376, 376, qRgb(255, 157, 111)},
    {"CmdFm", "Fm", 145, 408, 376, qRgb(255, 157, 111)},
    {"CmdMd", "Md", 146, 440, 376, qRgb(255, 157, 111)},
    {"CmdNo", "No", 147, 472, 376, qRgb(255, 157, 111)},
    {"CmdLr", "Lr", 148, 504, 376, qRgb(255, 157, 111)},
};
// clang-format on

struct ExpectedLabel
{
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text;
    bool bold;
};

// clang-format off
const ExpectedLabel kExpectedLabels[] = {
    {"LblName",               "FrmInfo",  {8, 16, 41, 17},    "Name:",                      true},
    {"LblsAA",                "FrmInfo",  {96, 16, 73, 17},   "?",                          true},
    {"LblSymbol",             "FrmInfo",  {8, 32, 41, 17},    "Symbol:",                    false},
    {"LblsBB",                "FrmInfo",  {96, 32, 57, 17},   "?",                          false},
    {"LblAtNumber",           "FrmInfo",  {8, 48, 81, 17},    "Atomic Number:",             false},
    {"LblsCC",                "FrmInfo",  {96, 48, 57, 17},   "?",                          false},
    {"LblAtMass",             "FrmInfo",  {8, 64, 65, 17},    "Atomic Mass:",               false},
    {"LblsDD",                "FrmInfo",  {96, 64, 57, 17},   "?",                          false},
    {"LblBoilingPoint",       "FrmInfo",  {8, 80, 89, 17},    "Boiling Point (\u00b0C):",   false},
    {"LblsFF",                "FrmInfo",  {96, 80, 73, 17},   "?",                          false},
    {"LblMeltingPoint",       "FrmInfo",  {8, 96, 89, 17},    "Melting Point (\u00b0C):",   false},
    {"LblsEE",                "FrmInfo",  {96, 96, 73, 17},   "?",                          false},
    {"LblNumProtonElectrons", "FrmInfo",  {200, 16, 113, 17}, "# of Protons/Electrons:",    false},
    {"LblsGG",                "FrmInfo",  {320, 16, 73, 17},  "?",                          false},
    {"LblNumNeutrons",        "FrmInfo",  {200, 32, 73, 17},  "# of Neutrons:",             false},
    {"LblsHH",                "FrmInfo",  {320, 32, 73, 17},  "?",                          false},
    {"LblDensity",            "FrmInfo",  {200, 48, 113, 17}, "Density @ RT (g/cm\u00b3):", false},
    {"LblsKK",                "FrmInfo",  {320, 48, 73, 17},  "?",                          false},
    {"LblFirstIon",           "FrmInfo",  {200, 64, 121, 17}, "1st Ion. Energy (kJ/mol):",  false},
    {"LblsMM",                "FrmInfo",  {320, 64, 73, 17},  "?",                          false},
    {"LblMajorOx",            "FrmInfo",  {200, 80, 121, 17}, "Major Oxidation States:",    false},
    {"LblsOO",                "FrmInfo",  {320, 80, 73, 17},  "?",                          false},
    {"LblSpecificHeat",       "FrmInfo",  {200, 96, 121, 17}, "Specific Heat (J/g * \u00b0C):", false},
    {"LblsPP",                "FrmInfo",  {320, 96, 73, 17},  "?",                          false},
    {"LblClass",              "FrmMisc",  {8, 16, 65, 17},    "Classification:",            false},
    {"LblsII",                "FrmMisc",  {96, 16, 73, 17},   "?",                          false},
    {"LblCrySt",              "FrmMisc",  {8, 40, 89, 17},    "Crystal Structure:",         false},
    {"LblsJJ",                "FrmMisc",  {96, 40, 73, 17},   "?",                          false},
    {"LblAtRad",              "FrmMisc",  {176, 16, 57, 17},  "At. Radius:",                false},
    {"LblsNN",                "FrmMisc",  {232, 16, 65, 17},  "?",                          false},
    {"LblColor",              "FrmMisc",  {176, 40, 33, 17},  "Color:",                     false},
    {"LblsLL",                "FrmMisc",  {232, 40, 65, 17},  "?",                          false},
    {"LblElectRings",         "FrmElect", {8, 32, 113, 17},   "?",                          false},
    {"LblLan",                "ClientArea", {16, 344, 73, 25}, "Lanthanide Series",         true},
    {"LblAct",                "ClientArea", {16, 376, 73, 25}, "Actinide Series",           true},
};
// clang-format on

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowFrame();
    void elementButtons_data();
    void elementButtons();
    void elementButtonsFillTheirCellsOnly();
    void tabOrder();
    void informationPanel_data();
    void informationPanel();
    void framesTilesAndHeader();
    void noCaptionIsClipped();
    void groupNumbersStandOverTheirColumns();
    void menuTree();
    void accessKeyOpensItsDropDown();
    void shortcutsWorkFromAnElementButton_data();
    void shortcutsWorkFromAnElementButton();
    void enterOnTheWindowMovesToTheNextControl();
    void enterOnAButtonClicksIt_data();
    void enterOnAButtonClicksIt();
    void tileAppearance();

private:
    template<typename T> T* find(const char* name) const
    {
        auto* widget = m_window->findChild<T*>(utf8(name));
        if (!widget && utf8(name) == m_window->objectName()) {
            return nullptr;
        }
        return widget;
    }

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestMainWindow::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestMainWindow::windowFrame()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("FrmCorvanel"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvanel"));
    QWidget* client = m_window->centralWidget();
    QVERIFY(client);
    QCOMPARE(client->size(), QSize(593, 414));
    // The client area starts right below the menu bar.
    QCOMPARE(client->y(), m_window->menuBar()->height());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_window->windowIcon().isNull());

    // Minimizing and restoring brings back the same layout.
    const QRect before = m_window->findChild<QWidget*>(QStringLiteral("CmdMt"))->geometry();
    m_window->showMinimized();
    m_window->showNormal();
    QCOMPARE(client->size(), QSize(593, 414));
    QCOMPARE(m_window->findChild<QWidget*>(QStringLiteral("CmdMt"))->geometry(), before);
}

void TestMainWindow::elementButtons_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kExpectedButtons)); ++i) {
        QTest::newRow(kExpectedButtons[i].name) << i;
    }
}

void TestMainWindow::elementButtons()
{
    QFETCH(int, row);
    const ExpectedButton& expected = kExpectedButtons[row];
    auto* button = m_window->findChild<PowerButton*>(utf8(expected.name));
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), m_window->centralWidget());
    QCOMPARE(button->text(), utf8(expected.caption));
    QCOMPARE(button->geometry(), QRect(expected.left, expected.top, 33, 33));
    QCOMPARE(button->property("colour").value<QColor>(), QColor::fromRgb(expected.colour));
    QCOMPARE(button->backgroundColour(), QColor(236, 233, 216));
    QCOMPARE(button->font().bold(), true);
    QCOMPARE(button->font().pixelSize(), 13);
    QCOMPARE(button->font().family(), QStringLiteral("DejaVu Sans")); // Verdana's stand-in
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    QVERIFY(button->isVisible());
}

void TestMainWindow::elementButtonsFillTheirCellsOnly()
{
    const QList<PowerButton*> buttons = m_window->centralWidget()->findChildren<PowerButton*>(
        QRegularExpression(QStringLiteral("^Cmd(?!Key$)")), Qt::FindDirectChildrenOnly);
    QCOMPARE(buttons.size(), 109);
    QSet<QString> captions;
    QSet<QPair<int, int>> cells;
    for (const PowerButton* button : buttons) {
        captions.insert(button->text());
        cells.insert({button->x(), button->y()});
        QCOMPARE(button->objectName(), QStringLiteral("Cmd") + button->text());
    }
    QCOMPARE(captions.size(), 109);
    QCOMPARE(cells.size(), 109);

    // Neighbours share exactly one pixel.
    const QRect hydrogen = m_window->findChild<QWidget*>(QStringLiteral("CmdH"))->geometry();
    const QRect lithium = m_window->findChild<QWidget*>(QStringLiteral("CmdLi"))->geometry();
    const QRect beryllium = m_window->findChild<QWidget*>(QStringLiteral("CmdBe"))->geometry();
    QCOMPARE(hydrogen.intersected(lithium).height(), 1);
    QCOMPARE(lithium.intersected(beryllium).width(), 1);
}

void TestMainWindow::tabOrder()
{
    QStringList expected {QStringLiteral("CmdKey")};
    QList<const ExpectedButton*> byTab;
    for (const ExpectedButton& button : kExpectedButtons) {
        byTab.append(&button);
    }
    std::sort(byTab.begin(), byTab.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    int nextIndex = 40;
    for (const ExpectedButton* button : byTab) {
        QCOMPARE(button->tabIndex, nextIndex++);
        expected.append(utf8(button->name));
    }
    expected.append(QStringLiteral("LblKey"));

    // The focus starts on the Key button and Tab walks the table class by class.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdKey"));
    QStringList walked {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(walked, expected);

    // Labels and frames never take the focus.
    for (const QLabel* label : m_window->findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestMainWindow::informationPanel_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kExpectedLabels)); ++i) {
        QTest::newRow(kExpectedLabels[i].name) << i;
    }
}

void TestMainWindow::informationPanel()
{
    QFETCH(int, row);
    const ExpectedLabel& expected = kExpectedLabels[row];
    auto* label = m_window->findChild<QLabel*>(utf8(expected.name));
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), utf8(expected.parent));
    QCOMPARE(label->geometry(), expected.geometry);
    QCOMPARE(label->text(), utf8(expected.text));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->font().bold(), expected.bold);
    QCOMPARE(label->font().pixelSize(), 11);
    QCOMPARE(label->font().family(), QStringLiteral("Liberation Sans")); // MS Sans Serif's
}

void TestMainWindow::framesTilesAndHeader()
{
    struct Frame
    {
        const char* name;
        QRect geometry;
        const char* title;
    };
    const Frame frames[] = {
        {"FrmInfo", {48, 16, 401, 121}, "Element Information"},
        {"FrmElect", {456, 16, 129, 73}, "Electrons Per Shell"},
        {"FrmMisc", {80, 139, 305, 61}, ""},
    };
    for (const Frame& frame : frames) {
        auto* box = m_window->findChild<QGroupBox*>(utf8(frame.name));
        QVERIFY2(box, frame.name);
        QCOMPARE(box->geometry(), frame.geometry);
        QCOMPARE(box->title(), utf8(frame.title));
        QVERIFY(box->font().bold());
    }

    auto* top = m_window->findChild<QLabel*>(QStringLiteral("LblTop"));
    QVERIFY(top);
    QCOMPARE(top->text().size(), 112);
    QCOMPARE(top->text(),
             QStringLiteral("1     2     3     4     5     6     7     8     9     10     11     12     13     "
                            "14     15     16     17     18"));
    QCOMPARE(top->geometry(), QRect(16, 0, 561, 17));
    QCOMPARE(top->font().pixelSize(), 13);
    QVERIFY(top->font().bold());

    auto* swatch = m_window->findChild<PowerButton*>(QStringLiteral("LblKey"));
    QVERIFY(swatch);
    QCOMPARE(swatch->parentWidget()->objectName(), QStringLiteral("FrmInfo"));
    QCOMPARE(swatch->geometry(), QRect(160, 40, 33, 33));
    QCOMPARE(swatch->text(), QStringLiteral("?"));
    QCOMPARE(swatch->colour(), QColor(Qt::white));
    QCOMPARE(swatch->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(swatch->font().pixelSize(), 13);

    auto* key = m_window->findChild<PowerButton*>(QStringLiteral("CmdKey"));
    QVERIFY(key);
    QCOMPARE(key->geometry(), QRect(456, 96, 89, 41));
    QCOMPARE(key->text(), QStringLiteral("&Key"));
    QCOMPARE(key->toolTip(), QStringLiteral("Key"));
    QVERIFY(!key->icon().isNull());
    QVERIFY(key->font().bold());

    const QWidget* upper = m_window->findChild<QWidget*>(QStringLiteral("Line2"));
    const QWidget* lower = m_window->findChild<QWidget*>(QStringLiteral("Line3"));
    QVERIFY(upper && lower);
    QCOMPARE(upper->parentWidget()->objectName(), QStringLiteral("FrmInfo"));
    QCOMPARE(upper->geometry(), QRect(176, 16, 1, 17));
    QCOMPARE(lower->geometry(), QRect(176, 80, 1, 33));
}

void TestMainWindow::noCaptionIsClipped()
{
    for (const QLabel* label : m_window->findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->width(), qPrintable(label->objectName()));
            continue;
        }
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(width <= label->width(),
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(label->objectName()).arg(width).arg(label->width())));
    }
    for (const PowerButton* button : m_window->findChildren<PowerButton*>()) {
        const int width = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        QVERIFY2(width + 4 <= button->width(), qPrintable(button->objectName()));
    }
}

void TestMainWindow::groupNumbersStandOverTheirColumns()
{
    auto* top = find<QLabel>("LblTop");
    QImage picture = top->grab().toImage();
    picture.setDevicePixelRatio(1.0);
    const qreal scale = top->grab().devicePixelRatio();
    auto inked = [&picture](int x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (qGray(picture.pixel(x, y)) < 128) {
                return true;
            }
        }
        return false;
    };
    // The ink of one number: from @p from on, in steps of @p step, up to the first gap of three blank columns.
    auto numberCentre = [&](int from, int step) {
        int x = from;
        while (x >= 0 && x < picture.width() && !inked(x)) {
            x += step;
        }
        const int first = x;
        int last = x;
        for (int blank = 0; x >= 0 && x < picture.width() && blank < 3; x += step) {
            blank = inked(x) ? 0 : blank + 1;
            last = inked(x) ? x : last;
        }
        return top->x() + (first + last) / 2.0 / scale;
    };
    auto columnCentre = [this](const char* tile) {
        const QRect cell = find<QWidget>(tile)->geometry();
        return cell.x() + cell.width() / 2.0;
    };
    QVERIFY2(qAbs(numberCentre(0, 1) - columnCentre("CmdH")) <= 8,
             qPrintable(u"\"1\" at %1, column 1 at %2"_s.arg(numberCentre(0, 1)).arg(columnCentre("CmdH"))));
    QVERIFY2(
        qAbs(numberCentre(picture.width() - 1, -1) - columnCentre("CmdHe")) <= 8,
        qPrintable(
            u"\"18\" at %1, column 18 at %2"_s.arg(numberCentre(picture.width() - 1, -1)).arg(columnCentre("CmdHe"))));
}

void TestMainWindow::menuTree()
{
    struct Item
    {
        const char* name;
        const char* text;
        const char* shortcut;
    };
    const QList<QAction*> bar = m_window->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    const char* menuNames[] = {"mnuFile", "mnuSearch", "mnuHelp"};
    const char* menuTexts[] = {"&File", "Sea&rch", "&Help"};
    const QList<QList<Item>> items = {
        {{"mnuPInfo", "&Print Element Info", "Ctrl+P"},
         {"mnuPChart", "Print &Chart", "Ctrl+C"},
         {"MnuSplit", "", ""},
         {"mnuExit", "&Exit", ""}},
        {{"mnuSearchElements", "&Search Elements", "Ctrl+S"}},
        {{"MnuCheckUpdate", "Chec&k for Update", "Ctrl+K"}, {"MnuSplit2", "", ""}, {"mnuAbout", "&About", "F1"}},
    };
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = bar[m]->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), utf8(menuNames[m]));
        QCOMPARE(menu->title(), utf8(menuTexts[m]));
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), items[m].size());
        for (int i = 0; i < actions.size(); ++i) {
            const Item& item = items[m][i];
            QCOMPARE(actions[i]->objectName(), utf8(item.name));
            QCOMPARE(actions[i]->isSeparator(), utf8(item.text).isEmpty());
            if (actions[i]->isSeparator()) {
                continue;
            }
            QCOMPARE(actions[i]->text(), utf8(item.text));
            QCOMPARE(actions[i]->shortcut(), QKeySequence(utf8(item.shortcut)));
            QVERIFY(actions[i]->isEnabled());
            QVERIFY(actions[i]->isVisible());
            QVERIFY(!actions[i]->isChecked());
        }
    }
}

void TestMainWindow::accessKeyOpensItsDropDown()
{
    auto* search = m_window->findChild<QMenu*>(QStringLiteral("mnuSearch"));
    QVERIFY(!search->isVisible());
    // Through the window system, as a key press from the user arrives.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(search->isVisible());
    search->close();
}

void TestMainWindow::shortcutsWorkFromAnElementButton_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("button");
    QTest::newRow("Ctrl+P on H") << "mnuPInfo" << QKeySequence(Qt::CTRL | Qt::Key_P) << "CmdH";
    QTest::newRow("Ctrl+C on Lr") << "mnuPChart" << QKeySequence(Qt::CTRL | Qt::Key_C) << "CmdLr";
    QTest::newRow("Ctrl+S on Fe") << "mnuSearchElements" << QKeySequence(Qt::CTRL | Qt::Key_S) << "CmdFe";
    QTest::newRow("Ctrl+K on Rn") << "MnuCheckUpdate" << QKeySequence(Qt::CTRL | Qt::Key_K) << "CmdRn";
    QTest::newRow("F1 on Ce") << "mnuAbout" << QKeySequence(Qt::Key_F1) << "CmdCe";
}

void TestMainWindow::shortcutsWorkFromAnElementButton()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, button);
    auto* target = m_window->findChild<QAction*>(action);
    QVERIFY(target);
    // Only count the shortcut: the command itself is tested on its own.
    target->disconnect();
    QSignalSpy triggered(target, &QAction::triggered);
    auto* focused = m_window->findChild<QWidget*>(button);
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    QTest::keySequence(focused, keys);
    QCOMPARE(triggered.count(), 1);
}

void TestMainWindow::enterOnTheWindowMovesToTheNextControl()
{
    QApplication::focusWidget()->clearFocus();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(m_window.get(), Qt::Key_Return);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdKey"));
}

void TestMainWindow::enterOnAButtonClicksIt_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("clicks");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("tile, Return") << u"CmdNa"_s << int(Qt::Key_Return) << none << 1;
    QTest::newRow("tile, keypad Enter") << u"CmdNa"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                        << 1;
    QTest::newRow("tile, Shift+Return") << u"CmdNa"_s << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                        << 1;
    QTest::newRow("tile, Ctrl+Return stays put")
        << u"CmdNa"_s << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    QTest::newRow("Key, keypad Enter") << u"CmdKey"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                       << 1;
    QTest::newRow("swatch, keypad Enter")
        << u"LblKey"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1;
}

void TestMainWindow::enterOnAButtonClicksIt()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, clicks);

    auto* target = m_window->findChild<PowerButton*>(button);
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QSignalSpy clicked(target, &PowerButton::clicked);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(clicked.count(), clicks);
    // Never turned into Tab by the window.
    QCOMPARE(m_window->focusWidget(), target);
    if (button == u"CmdNa"_s) {
        QCOMPARE(find<QLabel>("LblsAA")->text(), clicks ? u"Sodium"_s : u"?"_s);
    }
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == u"FrmKey"_s) {
            window->close();
        }
    }
}

void TestMainWindow::tileAppearance()
{
    using State = PowerButton::State;
    auto* fluorine = m_window->findChild<PowerButton*>(QStringLiteral("CmdF"));
    const QColor halogen(0, 128, 64);
    const QColor white(Qt::white);
    auto ends = [&](const PowerButton* button, State state) {
        const auto& look = button->appearanceFor(state);
        return std::pair {button->resolve(look.gradientStart), button->resolve(look.gradientEnd)};
    };
    QCOMPARE(ends(fluorine, State::Normal), std::pair(halogen, white));
    QCOMPARE(ends(fluorine, State::Hovered), std::pair(white, halogen));
    QCOMPARE(ends(fluorine, State::Pressed), std::pair(white, QColor(224, 224, 224)));
    QCOMPARE(ends(fluorine, State::Disabled), std::pair(white, halogen));
    QCOMPARE(QColor::fromRgb(fluorine->appearanceFor(State::Normal).text), QColor(Qt::black));

    // The swatch starts as a plain white tile and takes on whatever colour it is given.
    auto* swatch = m_window->findChild<PowerButton*>(QStringLiteral("LblKey"));
    QCOMPARE(ends(swatch, State::Normal), std::pair(white, white));
    QCOMPARE(ends(swatch, State::Pressed), std::pair(white, QColor(224, 224, 224)));
    swatch->setProperty("colour", fluorine->property("colour"));
    QCOMPARE(ends(swatch, State::Normal), ends(fluorine, State::Normal));

    // The face really is drawn in the class colour: sample the top of the tile.
    const QImage face = fluorine->grab().toImage();
    const QColor top = face.pixelColor(8, 2);
    QVERIFY2(qAbs(top.green() - 128) < 20 && top.red() < 40, qPrintable(top.name()));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
