#include "windows/services.h"

#include "core/version.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>

namespace plandeck {

namespace {

const QString kProgramTitle = QLatin1String(kProgramName);

// One non-modal warning box at a time: a save that keeps failing at every
// timer tick updates the box instead of piling up new ones.
QPointer<QMessageBox> g_warningBox;

void showWarning(const QString& text)
{
    QPointer<QMessageBox>& box = g_warningBox;
    if (box == nullptr) {
        box = new QMessageBox(QMessageBox::Warning, kProgramTitle, text, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
    }
    box->setText(text);
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace

Services Services::desktop()
{
    Services services;
    services.today = [] { return QDate::currentDate(); };
    services.showWelcome = [](const QString& title, const QString& text) {
        // The text's lines are joined by CR LF; the box wants plain line feeds.
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(QMessageBox::NoIcon, title, lines, QMessageBox::Ok);
        box.exec();
    };
    services.warn = showWarning;
    services.dismissWarning = [] {
        if (g_warningBox != nullptr) {
            g_warningBox->close();
        }
    };
    services.confirm = [](const QString& text) {
        // Enter keeps the program open: losing text must be chosen.
        return QMessageBox::question(nullptr, kProgramTitle, text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return services;
}

} // namespace plandeck
