#include "windowfixture.h"

#include <QLabel>
#include <QTest>

using namespace plandeck;

namespace {

using Navigation = WindowTest;

struct Step
{
    const char* name;
    QDate start;
    void (Form1::*handler)();
    int month;
    int year;
};

void PrintTo(const Step& row, std::ostream* out)
{
    *out << row.name;
}

class NavigationSteps : public WindowTest, public ::testing::WithParamInterface<Step>
{
};

TEST_P(NavigationSteps, StepsAndRedraws)
{
    const Step& s = GetParam();
    today = s.start;
    const auto form = openForm();
    form->Label1->clear();
    (form.get()->*s.handler)();
    EXPECT_EQ(form->M, s.month);
    EXPECT_EQ(form->y, s.year);
    EXPECT_EQ(form->Label1->text(), monthCaption(s.month, s.year)) << "redrawn even if unchanged";
    EXPECT_EQ(form->Command4[std::size_t(GetIndex(1, Int16(s.month), Int16(s.year)))]->text(),
              QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, NavigationSteps,
    ::testing::Values(
        Step{"NextMonthCarriesTheYear", {2007, 12, 5}, &Form1::Command1_Click, 1, 2008},
        Step{"PrevMonthCarriesTheYear", {2008, 1, 5}, &Form1::Command2_Click, 12, 2007},
        Step{"PrevMonthPast1900", {1900, 1, 5}, &Form1::Command2_Click, 12, 1899},
        Step{"NextMonthPast2099", {2099, 12, 5}, &Form1::Command1_Click, 1, 2100},
        Step{"YearStopsAt1900", {1900, 6, 5}, &Form1::Command10_Click, 6, 1900},
        Step{"YearStopsAt2099", {2099, 6, 5}, &Form1::Command11_Click, 6, 2099},
        Step{"YearStepsFreelyBelow1900", {1899, 6, 5}, &Form1::Command10_Click, 6, 1898},
        Step{"YearStepsFreelyAbove2099", {2100, 6, 5}, &Form1::Command11_Click, 6, 2101},
        Step{"YearKeepsFebruary", {2008, 2, 5}, &Form1::Command11_Click, 2, 2009}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Navigation, MonthButtonsStopAtTheEndsOfTheYearRange)
{
    const auto form = openForm();
    form->M = 12;
    form->y = 32767;
    form->Command1_Click();
    EXPECT_EQ(form->y, 32767);
    EXPECT_EQ(form->M, 12);
    form->Command11_Click();
    EXPECT_EQ(form->y, 32767);
    form->M = 1;
    form->y = -32768;
    form->Command2_Click();
    EXPECT_EQ(form->y, -32768);
    EXPECT_EQ(form->M, 1);
    form->Command10_Click();
    EXPECT_EQ(form->y, -32768);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("January--32768"));
}

TEST_F(Navigation, February2008HasTwentyNineDaysAnd2009TwentyEight)
{
    today = QDate(2008, 2, 5);
    const auto form = openForm();
    EXPECT_TRUE(form->Text1[std::size_t(GetIndex(29, 2, 2008))]->isVisible());
    click(form->Command11);
    EXPECT_EQ(form->y, 2009);
    int shown = 0;
    for (int i = 1; i <= kGridCells; ++i) {
        shown += form->Text1[std::size_t(i)]->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(shown, 28);
}

TEST_F(Navigation, ShortcutsSaveTheNoteAndStepWithoutTheMouse)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("by keyboard"));
    NoteBox* box = boxOf(*form, 5);
    QTest::keyClick(box, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->M, 1);
    EXPECT_EQ(form->y, 2008);
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("by keyboard"));
    EXPECT_FALSE(exists("data/2008-01-05.txt"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form->M, 12);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->y, 2008);
    EXPECT_EQ(form->M, 12);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->y, 2007);
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), QStringLiteral("by keyboard"));
}

TEST_F(Navigation, ZoomChangesEveryNoteBoxByOnePoint)
{
    const auto form = openForm();
    for (int i = 0; i < 3; ++i) {
        click(form->Command7);
    }
    for (std::size_t i = 1; i <= 35; ++i) {
        EXPECT_EQ(form->Text1[i]->font().pointSizeF(), 12.0) << "hidden ones too: " << i;
    }
    EXPECT_EQ(form->Text1[0]->font().pointSizeF(), 9.0);
    EXPECT_FALSE(form->hasUnsavedNotes()) << "a font change is no edit";
    EXPECT_EQ(form->Command4[7]->font().pointSizeF(), 8.25) << "day buttons keep their size";
    click(form->Command8);
    EXPECT_EQ(form->Text1[1]->font().pointSizeF(), 11.0);
    click(form->Command1);
    form->resize(820, 600);
    QApplication::processEvents();
    EXPECT_EQ(form->Text1[1]->font().pointSizeF(), 11.0) << "kept through navigation and resize";
}

TEST_F(Navigation, ZoomStaysWithinRenderableSizes)
{
    const auto form = openForm();
    for (int i = 0; i < 20; ++i) {
        form->Command8_Click();
    }
    EXPECT_EQ(form->Text1[1]->font().pointSizeF(), 1.0);
    for (int i = 0; i < 250; ++i) {
        form->Command7_Click();
    }
    EXPECT_EQ(form->Text1[35]->font().pointSizeF(), 200.0);
}

TEST_F(Navigation, ZoomClickSavesTheNoteBeingEdited)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("zoomed"));
    click(form->Command7);
    EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("zoomed"));
}

} // namespace
