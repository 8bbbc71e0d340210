#pragma once

#include "windows/form1.h"
#include "windows/notebox.h"
#include "workfolder.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QUrl>
#include <memory>

// A main window in a fresh working folder, with a fixed "today", messages
// recorded instead of shown and reports never handed to a browser. Controls
// are found by their object names; the window's state is read through what
// it shows.
class WindowTest : public WorkFolderTest
{
public:
    void TearDown() override;

    plandeck::Services services();
    // Runs the load handler; in normal mode shows the window and waits until
    // it is on screen and active.
    std::unique_ptr<plandeck::Form1> openForm(plandeck::RunMode mode = plandeck::RunMode::Normal);
    static void showAndActivate(QWidget& window);

    template <class T = QPushButton> static T* child(const QWidget& window, const QString& name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Note box i (1 to 35) of the grid.
    static plandeck::NoteBox* cell(const QWidget& form, int i);
    // The visible top-level window of that object name, or null; and how
    // many windows of that name exist, visible or not.
    static QWidget* topLevel(const QString& name);
    static int countTopLevels(const QString& name);
    // The month caption, e.g. "December-2007".
    static QString caption(const plandeck::Form1& form);
    // The note box and day button of a day of the displayed month: the cell
    // whose day button carries that number.
    static plandeck::NoteBox* boxOf(const plandeck::Form1& form, int day);
    static QPushButton* dayButtonOf(const plandeck::Form1& form, int day);
    // Clicks into the box of a day and types the text at its end; '\n' is
    // the Return key.
    static void typeInto(const plandeck::Form1& form, int day, const QString& text);
    static void click(QWidget* widget);
    static void click(const QWidget& window, const QString& buttonName);
    // Every timer of the window fires once: the save tick and the date watch.
    static void tick(const plandeck::Form1& form);

    QDate today{2007, 12, 5};
    QStringList welcomes;
    QStringList warnings;
    int dismissals = 0;
    QList<QUrl> opened;
    bool openSucceeds = true;
    bool confirmAnswer = false;
    int confirmations = 0;
};

// A table-driven window test: one row per input or fault kind, each row
// named by its `name` field.
template <class Row> class WindowRows : public WindowTest, public ::testing::WithParamInterface<Row>
{
};

struct RowName
{
    template <class Info> std::string operator()(const Info& info) const { return info.param.name; }
};
