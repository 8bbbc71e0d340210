#include "bench/benchsupport.h"

#include <QDir>
#include <QSet>

// The folder for timing `plandeck remind --days 7` and `--notify` with
// nothing to show over a century of notes, from outside (hyperfine):
//   remind_probe FOLDER   writes 36,500 notes of 200 bytes, one a day from
//       1 January 1926 on, skipping the day and month of today (the real
//       clock, which `plandeck` reads) and of the 7 days after it
// Exit status 0 when the folder was written.

using namespace plandeck;
using namespace plandeck::bench;

int main(int argc, char** argv)
{
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])) ||
        !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        return 2;
    }
    QSet<int> skipped;
    for (int k = 0; k <= 7; ++k) {
        const QDate date = QDate::currentDate().addDays(k);
        skipped.insert(date.month() * 100 + date.day());
    }
    int written = 0;
    for (QDate date(1926, 1, 1); written < 36'500; date = date.addDays(1)) {
        if (skipped.contains(date.month() * 100 + date.day())) {
            continue;
        }
        if (!writeNote(Int16(date.day()), Int16(date.month()), Int16(date.year()),
                       makeNote(200, NoteKind::Plain, quint32(written)))) {
            return 1;
        }
        ++written;
    }
    return 0;
}
