#include "core/exchange/exchangecommand.h"

#include "core/exchange/exchange.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstring>

namespace plandeck {

namespace {

// The translation context of export's and import's texts.
struct Exchange
{
    Q_DECLARE_TR_FUNCTIONS(Exchange)
};

const char kExportUsage[] =
    "usage: plandeck export --from YYYY-MM-DD --to YYYY-MM-DD --format ics|md|daily-md "
    "[--journal] PATH";
const char kImportUsage[] = "usage: plandeck import [--dry-run] PATH";

} // namespace

bool isExchangeCommand(int argc, const char* const* argv)
{
    return argc >= 2 &&
           (std::strcmp(argv[1], "export") == 0 || std::strcmp(argv[1], "import") == 0);
}

int runExchangeCommand(const QStringList& arguments, const QString& startFolder, QTextStream& out,
                       QTextStream& err)
{
    const bool exporting = arguments.value(1) == u"export";
    const QString usage = QString::fromLatin1(exporting ? kExportUsage : kImportUsage);
    auto fail = [&err](const QString& text, int status) {
        err << "plandeck: " << text << Qt::endl;
        return status;
    };
    QCommandLineParser parser;
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("date"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"));
    const QCommandLineOption journal(QStringLiteral("journal"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    if (exporting) {
        parser.addOptions({from, to, format, journal});
    } else {
        parser.addOption(dryRun);
    }
    QStringList withoutCommand = arguments;
    withoutCommand.removeAt(1);
    if (!parser.parse(withoutCommand)) {
        return fail(parser.errorText() + u'\n' + usage, 2);
    }
    if (parser.positionalArguments().size() != 1) {
        return fail(Exchange::tr("name one file or folder") + u'\n' + usage, 2);
    }
    QString path = parser.positionalArguments().constFirst();
    if (!startFolder.isEmpty()) {
        path = QDir(startFolder).absoluteFilePath(path);
    }

    ExchangeResult result;
    if (exporting) {
        if (!parser.isSet(from) || !parser.isSet(to) || !parser.isSet(format)) {
            return fail(Exchange::tr("export needs --from, --to and --format") + u'\n' + usage, 2);
        }
        const std::optional<ExchangeFormat> chosen = exchangeFormat(parser.value(format));
        if (!chosen) {
            return fail(Exchange::tr("unknown format \"%1\"; use ics, md or daily-md")
                            .arg(parser.value(format)),
                        2);
        }
        if (parser.isSet(journal) && *chosen != ExchangeFormat::Ics) {
            return fail(Exchange::tr("--journal goes with --format ics only"), 2);
        }
        ExportRequest request;
        for (const auto& [option, date] :
             {std::pair{&from, &request.from}, std::pair{&to, &request.to}}) {
            *date = QDate::fromString(parser.value(*option), Qt::ISODate);
            if (!date->isValid()) {
                return fail(Exchange::tr("--%1 %2 is no date; write it as 2031-07-04")
                                .arg(option->names().constFirst(), parser.value(*option)),
                            2);
            }
        }
        request.format = *chosen;
        request.journal = parser.isSet(journal);
        request.path = path;
        result = exportNotes(request);
    } else {
        result = importNotes(path, parser.isSet(dryRun));
    }
    if (!result.isOk()) {
        return fail(result.error, 1);
    }
    for (const QString& line : result.lines) {
        out << line << '\n';
    }
    out.flush();
    return 0;
}

} // namespace plandeck
