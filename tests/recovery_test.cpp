// Unsaved text survives any end of the program: it is recorded outside
// data/, comes back into its cell at the next start as an unsaved edit and
// is saved there by the usual rules.
#include "core/recovery/recoveryjournal.h"
#include "windowfixture.h"

#include <QProcess>
#include <QRegularExpression>

using namespace plandeck;

namespace {

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

class Recovery : public WindowTest
{
public:
    // A child planner on this folder that has typed into day 5 and tried to save.
    static void startTyping(QProcess& child, const QString& text, const QStringList& limit = {})
    {
        const QStringList arguments{QStringLiteral(RECOVERY_CHILD), QStringLiteral("5"), text};
        child.setWorkingDirectory(QDir::currentPath());
        child.start(limit.isEmpty() ? arguments[0] : limit[0],
                    limit.mid(1) + (limit.isEmpty() ? arguments.mid(1) : arguments));
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
    }
    static QStringList records()
    {
        return entries(recoveryFolder()).filter(QRegularExpression(QStringLiteral("\\d$")));
    }
    // The next start shows the text in day 5's cell, unsaved and bold, and
    // names the day; leaving the cell saves it and its record goes.
    void expectRestored(const QByteArray& text)
    {
        const auto form = openForm();
        EXPECT_EQ(boxOf(*form, 5)->noteText(), text);
        EXPECT_TRUE(boxOf(*form, 5)->isEdited() && dayButtonOf(*form, 5)->font().bold());
        EXPECT_TRUE(warnings.value(0).contains(dayHeading(5, 12, 2007)))
            << warnings.join('|').toStdString();
        click(boxOf(*form, 6));
        EXPECT_EQ(readFile(kNote5), text);
        EXPECT_TRUE(QTest::qWaitFor([] { return records().isEmpty(); }));
    }
};

TEST_F(Recovery, AKilledCopysTextComesBackButARunningCopysStaysItsOwn)
{
    writeFile(kNote5, "old");
    QProcess child;
    startTyping(child, QStringLiteral(" typed"));
    QTest::qWait(3000);
    {
        const auto second = openForm();
        EXPECT_EQ(boxOf(*second, 5)->noteText(), QStringLiteral("old"));
        EXPECT_TRUE(warnings.isEmpty());
    }
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    expectRestored("old typed");
}

TEST_F(Recovery, ATermSignalWhileTheSaveFailsKeepsTheTextAndNamesItsFile)
{
    const QByteArray old(150, 'a');
    writeFile(kNote5, old);
    QProcess child;
    startTyping(child, QStringLiteral("typed"), {QStringLiteral("prlimit"), "--fsize=100"});
    child.terminate();
    ASSERT_TRUE(child.waitForFinished(30000));
    const QString said = QString::fromLocal8Bit(child.readAllStandardError());
    EXPECT_EQ(readFile(kNote5), old);
    const QString kept = said.section(QStringLiteral(" is kept in "), 1).section(' ', 0, 0);
    EXPECT_TRUE(kept.startsWith(recoveryFolder()) && exists(kept)) << said.toStdString();
    expectRestored(old + "typed");
}

// The note changed since the cell loaded it: the outside text is kept beside
// it. A record the note already holds is dropped, a damaged one kept aside.
TEST_F(Recovery, OutsideChangesAreKeptAndDamageIsSetAside)
{
    {
        RecoveryJournal ended(recoveryFolder());
        ASSERT_EQ(ended.write({QDate(2007, 12, 5), "old", QStringLiteral("mine")}), QString());
        ASSERT_EQ(ended.write({QDate(2007, 12, 6), "", QStringLiteral("saved")}), QString());
    }
    writeFile(kNote5, "outside");
    writeFile("data/2007-12-06.txt", "saved");
    const QString damaged = recoveryFolder() + "/0123456789abcdef0123456789abcdef.2007-12-07.1.0";
    writeFile(damaged, "Plandeck recovery 1 2007 12 7 0 4 0\nlost");
    const auto form = openForm();
    EXPECT_EQ(boxOf(*form, 5)->noteText(), QStringLiteral("mine"));
    EXPECT_FALSE(boxOf(*form, 6)->isEdited());
    EXPECT_TRUE(exists(damaged + ".damaged") && warnings.value(0).contains(damaged + ".damaged"));
    tick(*form);
    EXPECT_EQ(readFile(kNote5), QByteArray("mine"));
    const QStringList kept = entries("data").filter(QStringLiteral(".outside-"));
    EXPECT_EQ(readFile("data/" + kept.value(0)), QByteArray("outside"));
    EXPECT_TRUE(QTest::qWaitFor([] { return records().isEmpty(); }));
}

// Enter at the question before unsaved text is lost keeps the program open.
TEST_F(Recovery, TheCloseQuestionDefaultsToKeepingTheProgramOpen)
{
    // A SIGTERM test before has ended every event loop to come (it called
    // QCoreApplication::exit); a run of the main loop clears that.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    QTimer answer;
    bool asked = false;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&asked] {
        if (QWidget* question = QApplication::activeModalWidget()) {
            asked = true;
            QTest::keyClick(question, Qt::Key_Return);
        }
    });
    answer.start(50);
    EXPECT_FALSE(Services::desktop().confirm(QStringLiteral("Lose the text?")));
    EXPECT_TRUE(asked);
}

} // namespace
