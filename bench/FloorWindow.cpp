// The floor for the start-up benchmark: the plainest Qt program of the main window's
// shape. One window with the same menu bar, the same frames, labels and lines in the same
// fonts, and 109 gradient tiles with their symbols (plus the Key button and the swatch),
// shown with show() and nothing else: no icon, no focus chain, no data, no services.
// It links the same Qt modules as the program, so both pay the same for loading them.
#include "main_window/MainWindowDesign.h"
#include "ui_common/DesignUnits.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <array>

namespace {

using namespace corvanel::ui;

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

/** A tile: a vertical gradient from its colour to white, its caption centred on it. */
class GradientTile : public QWidget
{
public:
    GradientTile(const QString& caption, QColor colour, QWidget* parent)
        : QWidget(parent)
        , m_caption(caption)
        , m_colour(colour)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_colour);
        gradient.setColorAt(1, Qt::white);
        painter.fillRect(rect(), gradient);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
    }

private:
    QString m_caption;
    QColor m_colour;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutes();

    QMainWindow window;
    window.setWindowTitle(text(design::kWindowCaption));
    auto* client = new QWidget(&window);
    client->setFixedSize(twipsToPixels(design::kClientWidthTwips), twipsToPixels(design::kClientHeightTwips));
    window.setCentralWidget(client);

    const QFont regular = designFont(DesignFamily::MsSansSerif, 8.25, false);
    const QFont bold = designFont(DesignFamily::MsSansSerif, 8.25, true);
    const QFont tileFont = designFont(DesignFamily::Verdana, 9.75, true);

    std::array<QWidget*, 4> containers {client, nullptr, nullptr, nullptr};
    for (const design::FrameDesign& row : design::kFrames) {
        auto* frame = new QGroupBox(text(row.caption), client);
        frame->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        frame->setFont(bold);
        containers[static_cast<std::size_t>(&row - design::kFrames.data()) + 1] = frame;
    }
    const auto container = [&](design::Container which) {
        switch (which) {
        case design::Container::FrmInfo:
            return containers[1];
        case design::Container::FrmElect:
            return containers[2];
        case design::Container::FrmMisc:
            return containers[3];
        case design::Container::Window:
            break;
        }
        return containers[0];
    };

    for (const design::LabelDesign& row : design::kLabels) {
        auto* label = new QLabel(text(row.caption), container(row.container));
        label->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        // The same faces as the program's labels: the series names at full width, the group numbers
        // widened to span their label.
        QFont font = row.points == 8.25 ? (row.bold ? bold : regular)
                                        : designFont(DesignFamily::MsSansSerif, row.points, row.bold);
        if (row.wordWrap) {
            font.setStretch(QFont::Unstretched);
        }
        label->setFont(row.spansWidth ? fontSpanning(font, label->text(), label->width()) : font);
        label->setAlignment(row.horizontalAlignment | (row.wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
        label->setWordWrap(row.wordWrap);
    }
    for (const design::LineDesign& row : design::kLines) {
        auto* line = new QFrame(container(row.container));
        line->setFrameShape(row.x1 == row.x2 ? QFrame::VLine : QFrame::HLine);
        line->setGeometry(QRect(QPoint(twipsToPixels(row.x1), twipsToPixels(row.y1)),
                                QPoint(twipsToPixels(row.x2), twipsToPixels(row.y2))));
    }

    const int tilePixels = twipsToPixels(design::kElementButtonSizeTwips);
    for (const design::ElementButtonDesign& row : design::kElementButtons) {
        auto* tile
            = new GradientTile(text(row.caption), QColor::fromRgb(elementClass(row.elementClass).colour), client);
        tile->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top), tilePixels, tilePixels);
        tile->setFont(tileFont);
    }
    for (const design::TileDesign* row : {&design::kCmdKey, &design::kLblKey}) {
        auto* tile = new GradientTile(text(row->caption), Qt::white, container(row->container));
        tile->setGeometry(twipsRect(row->left, row->top, row->width, row->height));
        tile->setFont(row == &design::kCmdKey ? bold : tileFont);
    }

    QHash<QString, QMenu*> menus;
    for (const design::MenuDesign& row : design::kMenus) {
        if (row.command == design::Command::DropDown) {
            menus.insert(text(row.name), window.menuBar()->addMenu(text(row.caption)));
        } else if (row.command == design::Command::Separator) {
            menus.value(text(row.parent))->addSeparator();
        } else {
            QAction* action = menus.value(text(row.parent))->addAction(text(row.caption));
            action->setShortcut(QKeySequence(text(row.shortcut), QKeySequence::PortableText));
        }
    }

    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
