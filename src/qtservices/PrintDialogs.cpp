#include "qtservices/PrintDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintDialog>

namespace corvanel::platform {

namespace {

const QString kPdfSuffix = QStringLiteral("pdf");
constexpr const char* kTitle = QT_TRANSLATE_NOOP("Printing", "Print to File");
constexpr const char* kFilter = QT_TRANSLATE_NOOP("Printing", "PDF files (*.pdf)");
constexpr const char* kPdfOnlyText = QT_TRANSLATE_NOOP(
    "Printing", "Corvanel prints to PDF files only, and \"%1\" does not end in .pdf. Choose a name ending in .pdf.");

QString translated(const char* english)
{
    return QCoreApplication::translate("Printing", english);
}

/** @p chosen made a PDF's name: another file type's suffix is replaced, anything else after a dot is kept. */
QString asPdfName(const QString& chosen)
{
    const QFileInfo info(chosen);
    const bool namesAType = !QMimeDatabase().mimeTypesForFileName(info.fileName()).isEmpty();
    QString base = namesAType ? info.completeBaseName() : info.fileName();
    while (base.endsWith(QLatin1Char('.'))) {
        base.chop(1);
    }
    return info.dir().filePath(base + QLatin1Char('.') + kPdfSuffix);
}

void explainPdfOnly(QWidget* owner, const QString& chosen)
{
    QMessageBox box(QMessageBox::Warning, translated(kTitle),
                    translated(kPdfOnlyText).arg(QFileInfo(chosen).fileName()), QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("PdfOnlyBox"));
    // The name is the user's: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

bool runPrintDialog(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // The program writes the copies itself and prints whole documents: a page range chosen for one
    // job would stay on the shared printer and cut the next one, and collation means nothing here.
    // Qt's dialog asks before it lets an existing file be named as the output.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString runPdfSaveDialog(QWidget* owner, const QString& offered)
{
    QString name = offered;
    for (;;) {
        QFileDialog dialog(owner, translated(kTitle), QString(), translated(kFilter));
        dialog.setObjectName(QStringLiteral("PrintToFileDialog"));
        // A save dialog asks before it returns the name of an existing file, the suffix it adds included.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(kPdfSuffix);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        const QString chosen = dialog.selectedFiles().constFirst();
        if (QFileInfo(chosen).suffix().compare(kPdfSuffix, Qt::CaseInsensitive) == 0) {
            return chosen;
        }
        // A PDF under a name that promises another format (".ps") would not open in that format's
        // programs. The name is not corrected silently: the corrected one may be an existing file,
        // and only the dialog asks before that is replaced.
        explainPdfOnly(owner, chosen);
        name = asPdfName(chosen);
    }
}

} // namespace corvanel::platform
