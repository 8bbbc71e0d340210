#include "bench/benchsupport.h"

#include "core/notes/notestore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <array>

namespace plandeck::bench {

BenchFolder::BenchFolder() : m_previous(QDir::currentPath())
{
    m_valid = m_dir.isValid() && QDir::setCurrent(m_dir.path());
    // Recovery records of unsaved typing go with the folder, not to the user's.
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/.state")));
}

BenchFolder::~BenchFolder()
{
    QDir::setCurrent(m_previous);
}

QByteArray makeNote(qsizetype size, NoteKind kind, quint32 seed)
{
    static constexpr std::array<const char*, 28> kWords = {
        "meeting", "with",    "the",      "dentist", "at",   "10:30",     "call",
        "Anna",    "about",   "budget",   "review",  "pay",  "insurance", "premium",
        "deposit", "matures", "birthday", "of",      "Raj",  "project",   "milestone",
        "draft",   "report",  "due",      "buy",     "milk", "and",       "bread"};
    static constexpr std::array<const char*, 10> kMarkup = {
        "<b>bold</b>", "R&D",         "\"quoted\"",  "a > b", "x < y",
        "\t",          "two  blanks", "Tom & Jerry", "<br>",  "&amp;"};

    QRandomGenerator random(seed);
    QByteArray note;
    note.reserve(size + 100);
    qsizetype lineLength = 0;
    qsizetype lineLimit = 40 + random.bounded(41);
    while (note.size() < size) {
        if (lineLength >= lineLimit) {
            note += "\r\n";
            lineLength = 0;
            lineLimit = 40 + random.bounded(41);
            continue;
        }
        const bool markup = kind == NoteKind::Markup && random.bounded(4) == 0;
        const char* word = markup ? kMarkup[random.bounded(int(kMarkup.size()))]
                                  : kWords[random.bounded(int(kWords.size()))];
        if (lineLength > 0) {
            note += ' ';
            ++lineLength;
        }
        note += word;
        lineLength += qsizetype(qstrlen(word));
    }
    note.truncate(size);
    // Never end between the CR and the LF of a line break.
    if (note.endsWith('\r')) {
        note[size - 1] = '.';
    }
    return note;
}

bool writeNote(Int16 day, Int16 month, Int16 year, const QByteArray& bytes)
{
    if (!QDir().mkpath(QStringLiteral("data"))) {
        return false;
    }
    QFile file(GetFileName(day, month, year));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool fillMonth(Int16 month, Int16 year, qsizetype size, NoteKind kind)
{
    const Int16 days = GetDaysInMonth(month, year);
    for (Int16 d = 1; d <= days; ++d) {
        if (!writeNote(d, month, year,
                       makeNote(size, kind, quint32(year * 10000 + month * 100 + d)))) {
            return false;
        }
    }
    return true;
}

bool fillDays(int days, qsizetype size)
{
    const QDate first(1926, 1, 1);
    const QDate quokka(1961, 5, 17);
    for (int i = 0; i < days; ++i) {
        const QDate date = first.addDays(i);
        QByteArray note = makeNote(size, NoteKind::Plain, quint32(i));
        if (date == quokka) {
            note.replace(0, 16, "the quokka visit");
        }
        if (!writeNote(Int16(date.day()), Int16(date.month()), Int16(date.year()), note)) {
            return false;
        }
    }
    return true;
}

Services quietServices(int* warnings)
{
    Services services;
    services.today = [] { return kToday; };
    services.showWelcome = [](const QString&, const QString&) {};
    services.warn = [warnings](const QString&) {
        if (warnings != nullptr) {
            ++*warnings;
        }
    };
    services.confirm = [](const QString&) { return false; };
    services.openUrl = [](const QUrl&) { return true; };
    return services;
}

} // namespace plandeck::bench
