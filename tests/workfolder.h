#pragma once

#include "qtprinters.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
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
    // The file's bytes; empty when it cannot be read.
    static QByteArray readFile(const QString& path);
    // True for a broken link too.
    static bool exists(const QString& path);
    // Names in a folder, hidden ones included.
    static QStringList entries(const QString& folder);

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
};
