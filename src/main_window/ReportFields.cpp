#include "main_window/ReportFields.h"

#include "main_window/MainWindow.h"

#include <QCoreApplication>
#include <QLabel>

namespace corvanel::ui {

namespace design {

// clang-format off
const std::array<ReportFieldSource, print::kReportFieldCount> kReportFieldSources {{
    {"LblName",               nullptr, "LblsAA"},
    {"LblSymbol",             nullptr, "LblsBB"},
    {"LblAtNumber",           nullptr, "LblsCC"},
    {"LblAtMass",             nullptr, "LblsDD"},
    {"LblMeltingPoint",       nullptr, "LblsEE"},
    {"LblBoilingPoint",       nullptr, "LblsFF"},
    {"LblClass",              nullptr, "LblsII"},
    {"LblColor",              nullptr, "LblsLL"},
    {"LblNumProtonElectrons", nullptr, "LblsGG"},
    {"LblNumNeutrons",        nullptr, "LblsHH"},
    {"LblCrySt",              nullptr, "LblsJJ"},
    {"LblDensity",            nullptr, "LblsKK"},
    {"LblFirstIon",           nullptr, "LblsMM"},
    {"LblAtRad",              nullptr, "LblsNN"},
    {"LblMajorOx",            nullptr, "LblsOO"},
    {"LblSpecificHeat",       nullptr, "LblsPP"},
    // The window heads the shells with its frame's caption; the report words it on its own.
    {nullptr,                 QT_TRANSLATE_NOOP("MainWindow", "# of electrons in each shell:"), "LblElectRings"},
}};
// clang-format on

} // namespace design

// The main window as the print commands' report source: what its labels show, read when asked.

bool MainWindow::hasSelection() const
{
    return !m_currentElement.front().isEmpty();
}

std::array<print::ReportFieldText, print::kReportFieldCount> MainWindow::reportFields() const
{
    const auto shown = [this](const char* name) {
        const auto* label = findChild<QLabel*>(QString::fromUtf8(name));
        // Every name is one of this window's own labels; a test holds the table to the built window.
        Q_ASSERT(label);
        return label ? label->text() : QString();
    };
    std::array<print::ReportFieldText, print::kReportFieldCount> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const design::ReportFieldSource& source = design::kReportFieldSources[i];
        fields[i].caption = source.captionLabel ? shown(source.captionLabel)
                                                : QCoreApplication::translate("MainWindow", source.fixedCaption);
        fields[i].value = shown(source.valueLabel);
    }
    return fields;
}

} // namespace corvanel::ui
