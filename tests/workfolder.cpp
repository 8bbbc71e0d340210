#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void WorkFolderTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

void WorkFolderTest::TearDown()
{
    QDir::setCurrent(m_previous);
}

void WorkFolderTest::writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray WorkFolderTest::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

bool WorkFolderTest::exists(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

QStringList WorkFolderTest::entries(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.append(char(b));
    }
    return bytes;
}

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned kFilePowers = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

WithoutFilePowers::WithoutFilePowers()
{
    __user_cap_data_struct data[2]{};
    if (!capabilities(data, false)) {
        return;
    }
    m_savedEffective = data[0].effective;
    data[0].effective &= ~kFilePowers;
    m_changed = capabilities(data, true);
}

WithoutFilePowers::~WithoutFilePowers()
{
    __user_cap_data_struct data[2]{};
    if (m_changed && capabilities(data, false)) {
        data[0].effective = m_savedEffective;
        capabilities(data, true);
    }
}
