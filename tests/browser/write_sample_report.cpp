// Writes notes with every kind of character the report escapes, and one with
// characters outside Windows-1252, into the working folder, then the report
// of their month, and prints its path.
#include "core/notes/notestore.h"
#include "core/report/report.h"

#include <QRandomGenerator>
#include <cstdio>

int main()
{
    using namespace plandeck;
    const std::pair<Int16, QByteArray> notes[] = {
        {3, "a<b & c"},
        {5, "<script>alert(\"x\")</script> it's"},
        {9, "tab\there, two  blanks, three   blanks, four    blanks"},
        {17, "line one\r\nline two\r\n<b>not bold</b> &amp; <img src=x onerror=alert(1)>"},
        {28, "\"quoted\" 'single' \xE9t\xE9 \x80"},
        // UTF-8, as a text editor writes it: "Łódź & 東 😀"
        {30, "\xC5\x81\xC3\xB3\x64\xC5\xBA & \xE6\x9D\xB1 \xF0\x9F\x98\x80"},
    };
    for (const auto& [day, note] : notes) {
        if (!UpdateData(day, 12, 2007, note).isOk()) {
            return 1;
        }
    }
    const ReportPage page = buildReport(12, 2007);
    QRandomGenerator generator(1);
    const ReportFile file = writeReport(page.html, generator);
    if (!page.error.isEmpty() || !file.error.isEmpty()) {
        return 1;
    }
    std::printf("%s\n", qPrintable(file.path));
    return 0;
}
