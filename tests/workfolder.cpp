#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <linux/capability.h>
#include <numeric>
#include <optional>
#include <sys/syscall.h>
#include <unistd.h>

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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    QByteArray bytes(256, 0);
    std::iota(bytes.begin(), bytes.end(), char(0));
    return bytes;
}

namespace {

constexpr unsigned kFilePowers = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// The effective capabilities before the change; set them when `effective` is given.
unsigned capabilities(std::optional<unsigned> effective = {})
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    ::syscall(SYS_capget, &header, data);
    const unsigned before = data[0].effective;
    if (effective) {
        data[0].effective = *effective;
        ::syscall(SYS_capset, &header, data);
    }
    return before;
}

} // namespace

WithoutFilePowers::WithoutFilePowers() : m_savedEffective(capabilities())
{
    capabilities(m_savedEffective & ~kFilePowers);
}

WithoutFilePowers::~WithoutFilePowers()
{
    capabilities(m_savedEffective);
}
