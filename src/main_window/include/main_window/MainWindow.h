#pragma once

#include "main_window/MainWindowDesign.h"

#include "catalogue/ElementRecord.h"
#include "print/ReportSource.h"

#include <QFont>
#include <QMainWindow>
#include <QPoint>

#include <array>

class QLabel;
class QGroupBox;

namespace corvanel::platform {
struct Platform;
}

namespace corvanel::ui {

class PowerButton;

/**
 * The periodic-table window: built once from the constant design tables, then
 * driven by its buttons and menu commands.
 */
class MainWindow : public QMainWindow, public print::ReportSource
{
    Q_OBJECT

public:
    explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The print commands' report source, read from the labels (ReportFields.cpp).
    bool hasSelection() const override;
    std::array<print::ReportFieldText, print::kReportFieldCount> reportFields() const override;

    /** The element button bound to @p atomicNumber (1 to 109). */
    PowerButton* elementButton(int atomicNumber) const;

    /**
     * The one selection action, run by a tile's click and by the search: the swatch
     * takes the tile's colour and caption, the record fills the current element,
     * the tile gets the focus and the value labels show the record.
     */
    void selectElement(PowerButton* button, const catalogue::ElementRecord& record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /** The three faces the window's controls are drawn in. */
    struct DesignFonts
    {
        QFont regular;
        QFont bold;
        QFont tile;
    };
    /** An element tile: its button, the record bound to it, and its centre on the table (twips). */
    struct Tile
    {
        PowerButton* button = nullptr;
        const catalogue::ElementRecord* record = nullptr;
        int atomicNumber = 0;
        QPoint centre;
    };

    // Building, from the design tables (MainWindow.cpp).
    void buildControls();
    PowerButton* buildTile(const design::TileDesign& row, const QFont& font);
    void buildKeyButton(const DesignFonts& fonts);
    void buildFrames(const DesignFonts& fonts);
    void buildLabels(const DesignFonts& fonts);
    void buildLines();
    void buildElementTiles(const DesignFonts& fonts);
    void buildSwatch(const DesignFonts& fonts);
    void buildMenus();
    void buildTabOrder();
    QWidget* container(design::Container which) const;
    // The selection and its display (MainWindowSelection.cpp).
    void displayCurrentElement();
    const Tile* tile(int atomicNumber) const;
    // The menu commands (MainWindowCommands.cpp).
    void runCommand(design::Command command);
    void exitProgram();
    void searchElements();

    platform::Platform& m_platform;
    QWidget* m_client = nullptr;
    std::array<QGroupBox*, 3> m_frames {};
    PowerButton* m_cmdKey = nullptr;
    PowerButton* m_lblKey = nullptr;
    /** The element tiles in design-table order. */
    std::array<Tile, design::kElementButtons.size()> m_tiles {};
    std::array<QLabel*, design::kValueFieldCount> m_valueLabels {};
    /** The selected element's fields, in record order; empty until the first selection. */
    std::array<QString, catalogue::kFieldCount> m_currentElement;
};

} // namespace corvanel::ui
