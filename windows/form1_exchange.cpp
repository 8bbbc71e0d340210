// The main window's Export Notes window and the printed month.
#include "windows/exportwindow.h"
#include "windows/form1.h"
#include "windows/monthprint.h"

#include <QPrintDialog>
#include <QPrinter>

namespace plandeck {

void Form1::openExportWindow()
{
    if (m_export == nullptr) {
        m_export = std::make_unique<ExportWindow>();
        m_export->move(frameGeometry().center() - m_export->rect().center());
        connect(m_export.get(), &ExportWindow::notesNeeded, this, [this] { saveNotes(); });
        // Every box is saved by now, so reloading the month loses no text.
        connect(m_export.get(), &ExportWindow::notesChanged, this, [this] {
            if (!hasUnsavedNotes()) {
                ShowMonth(M, y);
            }
        });
    }
    m_export->bringUp(M, y);
}

void Form1::openPrintDialog()
{
    if (m_printDialog == nullptr) {
        m_printDialog = new QPrintDialog(this);
        m_printDialog->setObjectName(QStringLiteral("PrintDialog"));
        // A month grid is wider than tall.
        m_printDialog->printer()->setPageOrientation(QPageLayout::Landscape);
        connect(m_printDialog, &QDialog::accepted, this, [this] {
            if (!printMonth(*m_printDialog->printer(), M, y)) {
                m_services.warn(tr("The month could not be printed to %1.")
                                    .arg(m_printDialog->printer()->outputFileName().isEmpty()
                                             ? m_printDialog->printer()->printerName()
                                             : m_printDialog->printer()->outputFileName()));
            }
        });
    }
    m_printDialog->setWindowTitle(tr("Print %1").arg(monthCaption(M, y)));
    // Not exec(): the window goes on painting, and nothing waits on the dialog.
    m_printDialog->open();
}

} // namespace plandeck
