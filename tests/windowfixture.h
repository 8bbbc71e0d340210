#pragma once

#include "windows/form1.h"
#include "windows/notebox.h"
#include "workfolder.h"

#include <QDate>
#include <QPushButton>
#include <QUrl>
#include <memory>

// A main window in a fresh working folder, with a fixed "today", messages
// recorded instead of shown and reports never handed to a browser.
class WindowTest : public WorkFolderTest
{
protected:
    void TearDown() override;

    plandeck::Services services();
    // Runs the load handler; in normal mode shows the window and waits until
    // it is on screen and active.
    std::unique_ptr<plandeck::Form1> openForm(plandeck::RunMode mode = plandeck::RunMode::Normal);
    void showAndActivate(QWidget& window);

    // The note box and day button that show a day of the displayed month.
    static plandeck::NoteBox* boxOf(plandeck::Form1& form, int day);
    static QPushButton* dayButtonOf(plandeck::Form1& form, int day);
    // Clicks into the box of a day and types the text at its end.
    static void typeInto(plandeck::Form1& form, int day, const QString& text);
    static void click(QWidget* widget);

    QDate today{2007, 12, 5};
    QStringList welcomes;
    QStringList warnings;
    QList<QUrl> opened;
    bool openSucceeds = true;
    bool confirmAnswer = false;
    int confirmations = 0;

private:
    std::vector<QPointer<plandeck::Form1>> m_forms;
};
