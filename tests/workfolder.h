#pragma once

#include "qtprinters.h"
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each test runs in a fresh, empty working folder of its own, which is
// removed afterwards; the previous working folder is restored.
class WorkFolderTest : public ::testing::Test
{
public:
    void SetUp() override;
    void TearDown() override;

    static void writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray readFile(const QString& path);
    static bool exists(const QString& path);
    // Names in a folder, hidden ones included.
    static QStringList entries(const QString& folder);

    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Every byte from 0x00 to 0xFF once, in order.
QByteArray allBytes();

// While alive, the process loses the power to read or write files whose
// permission bits forbid it, as a root test run otherwise has it.
class WithoutFilePowers
{
public:
    WithoutFilePowers();
    ~WithoutFilePowers();
    WithoutFilePowers(const WithoutFilePowers&) = delete;
    WithoutFilePowers& operator=(const WithoutFilePowers&) = delete;

private:
    unsigned m_savedEffective = 0;
    bool m_changed = false;
};
