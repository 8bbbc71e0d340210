#include "core/notes/mergenotes.h"

#include <QHash>

namespace plandeck {

QStringList noteLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QList<bool> linesMissingFrom(const QStringList& lines, const QStringList& other)
{
    QHash<QString, int> unmatched;
    for (const QString& line : other) {
        ++unmatched[line];
    }
    QList<bool> missing;
    missing.reserve(lines.size());
    for (const QString& line : lines) {
        auto found = unmatched.find(line);
        const bool matched = found != unmatched.end() && found.value() > 0;
        if (matched) {
            --found.value();
        }
        missing.append(!matched);
    }
    return missing;
}

QString keepBoth(const QString& note, const QString& copy)
{
    QStringList merged = noteLines(note);
    const QStringList copyLines = noteLines(copy);
    const QList<bool> missing = linesMissingFrom(copyLines, merged);
    for (qsizetype i = 0; i < copyLines.size(); ++i) {
        if (missing[i]) {
            merged.append(copyLines[i]);
        }
    }
    QString text = merged.join(QLatin1Char('\n'));
    if (note.endsWith(QLatin1Char('\n'))) {
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace plandeck
