// iCalendar files, written and read with libical.
#include "core/exchange/exchange.h"
#include "core/version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTime>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace plandeck {

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The translation context of export's and import's texts.
struct Exchange
{
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

icaltimetype icalDate(const QDate& date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

// The line a calendar shows as the entry's title: the note's first line
// with any text on it, without blanks around it (which readers drop).
QString summaryOf(const QString& text)
{
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            return line.trimmed().toString();
        }
    }
    return {};
}

QString fromIcal(const char* text)
{
    QString result = QString::fromUtf8(text != nullptr ? text : "");
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    // iCalendar text carries no other control characters (RFC 5545, 3.3.11);
    // libical drops them on writing, so they are dropped alike on reading.
    result.removeIf(
        [](QChar c) { return c != u'\t' && c != u'\n' && c.category() == QChar::Other_Control; });
    return result;
}

// Summary, then description; a description whose first line is the summary
// already holds it.
QString entryText(const QString& summary, const QString& description)
{
    if (description.isEmpty()) {
        return summary;
    }
    if (summary.isEmpty() || summaryOf(description) == summary.trimmed()) {
        return description;
    }
    return summary + u'\n' + description;
}

QString descriptionOf(icalcomponent* component)
{
    // A journal entry may carry several descriptions; an event has one.
    QStringList parts;
    for (icalproperty* property =
             icalcomponent_get_first_property(component, ICAL_DESCRIPTION_PROPERTY);
         property != nullptr;
         property = icalcomponent_get_next_property(component, ICAL_DESCRIPTION_PROPERTY)) {
        parts << fromIcal(icalproperty_get_description(property));
    }
    return parts.join(u'\n');
}

QByteArray written(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

struct Entry
{
    QDate date;
    int minute = -1; // of the day; -1 for an all-day entry, which comes first
    QString text;
};

// The first complaint libical left in the component or any part of it (an
// alarm in an event, a rule in a time zone), where it could not read a line.
// An empty value ("DESCRIPTION:", as calendar programs write them) is no
// fault: it reads as no text.
QString firstError(icalcomponent* component)
{
    for (icalproperty* error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
         error != nullptr;
         error = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const QString text = QString::fromUtf8(icalproperty_get_xlicerror(error)).simplified();
        if (!text.startsWith(u"No value for ")) {
            return text;
        }
    }
    for (icalcomponent* part = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         part != nullptr; part = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (QString found = firstError(part); !found.isEmpty()) {
            return found;
        }
    }
    return {};
}

} // namespace

QByteArray icsCalendar(const QList<DayNote>& notes, bool journal)
{
    // libical writes the calendar's own lines and each entry in turn; the
    // entries are not gathered into one tree first, which for a century of
    // notes would take ten times the file's size in memory.
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    const QByteArray productId =
        QByteArray("-//") + kProgramName + "//" + kProgramName + " " + kProgramVersion + "//EN";
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId.constData()));
    QByteArray result = written(calendar.get());
    const QByteArray end = "END:VCALENDAR\r\n";
    result.chop(end.size());
    const icaltimetype now = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    for (const DayNote& note : notes) {
        Component entry(
            icalcomponent_new(journal ? ICAL_VJOURNAL_COMPONENT : ICAL_VEVENT_COMPONENT));
        // Stable per date and kind: a second export updates, never duplicates.
        const QByteArray uid = (journal ? QByteArray("journal-") : QByteArray("note-")) +
                               note.date.toString(u"yyyyMMdd").toLatin1() + "@plandeck";
        icalcomponent_add_property(entry.get(), icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(entry.get(), icalproperty_new_dtstamp(now));
        icalcomponent_add_property(entry.get(), icalproperty_new_dtstart(icalDate(note.date)));
        if (!journal) {
            icalcomponent_add_property(entry.get(),
                                       icalproperty_new_dtend(icalDate(note.date.addDays(1))));
            // A note is no appointment: it does not make the day busy.
            icalcomponent_add_property(entry.get(),
                                       icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        }
        // An empty value would be a fault to a reader: a note of blanks has
        // no summary.
        if (const QString summary = summaryOf(note.text); !summary.isEmpty()) {
            icalcomponent_add_property(entry.get(),
                                       icalproperty_new_summary(summary.toUtf8().constData()));
        }
        if (!note.text.isEmpty()) {
            icalcomponent_add_property(
                entry.get(), icalproperty_new_description(note.text.toUtf8().constData()));
        }
        result += written(entry.get());
    }
    return result + end;
}

ImportedNotes readIcs(const QByteArray& bytes)
{
    ImportedNotes result;
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) {
        text.remove(0, 3);
    }
    Component calendar(icalparser_parse_string(text.constData()));
    if (calendar == nullptr || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT) {
        result.error =
            Exchange::tr("it is no complete iCalendar file (BEGIN:VCALENDAR to END:VCALENDAR)");
        return result;
    }
    if (const QString error = firstError(calendar.get()); !error.isEmpty()) {
        result.error = Exchange::tr("the calendar is malformed: %1").arg(error);
        return result;
    }
    std::vector<Entry> entries;
    for (icalcomponent* component =
             icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT);
         component != nullptr;
         component = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VJOURNAL_COMPONENT) {
            continue;
        }
        const icaltimetype start = icalcomponent_get_dtstart(component);
        const QString summary = fromIcal(icalcomponent_get_summary(component));
        if (icaltime_is_null_time(start)) {
            if (kind == ICAL_VEVENT_COMPONENT) {
                result.error =
                    Exchange::tr("the calendar is malformed: the event \"%1\" has no start")
                        .arg(summary);
                return result;
            }
            ++result.undated;
            continue;
        }
        Entry entry;
        entry.date = QDate(start.year, start.month, start.day);
        if (!entry.date.isValid()) {
            result.error =
                Exchange::tr("the calendar is malformed: \"%1\" starts on %2-%3-%4, which is no "
                             "date")
                    .arg(summary)
                    .arg(start.year, 4, 10, QLatin1Char('0'))
                    .arg(start.month, 2, 10, QLatin1Char('0'))
                    .arg(start.day, 2, 10, QLatin1Char('0'));
            return result;
        }
        QString body = entryText(summary, descriptionOf(component));
        if (!start.is_date && kind == ICAL_VEVENT_COMPONENT) {
            // Times with a zone are shown as the calendar wrote them; times in
            // UTC in the user's own zone.
            QDateTime when(entry.date, QTime(start.hour, start.minute, start.second));
            if (icaltime_is_utc(start)) {
                when = QDateTime(entry.date, QTime(start.hour, start.minute, start.second), Qt::UTC)
                           .toLocalTime();
            }
            entry.date = when.date();
            entry.minute = when.time().hour() * 60 + when.time().minute();
            body = when.time().toString(u"HH:mm") + (body.isEmpty() ? QString() : u' ' + body);
        }
        entry.text = body;
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.date != b.date ? a.date < b.date : a.minute < b.minute;
    });
    for (const Entry& entry : entries) {
        if (!result.notes.isEmpty() && result.notes.last().date == entry.date) {
            result.notes.last().text += u'\n' + entry.text;
        } else {
            result.notes.append({entry.date, entry.text});
        }
    }
    return result;
}

} // namespace plandeck
