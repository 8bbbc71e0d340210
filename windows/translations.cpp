#include "windows/translations.h"

#include "core/i18n/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace plandeck {

namespace {

std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;

} // namespace

bool installTranslations(const QLocale& locale)
{
    removeTranslations();
    auto program = std::make_unique<QTranslator>();
    // The English source texts are the program's own: no translation for
    // English, so that an English locale keeps them byte for byte.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C ||
        !program->load(locale, QStringLiteral("plandeck"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
        return false;
    }
    g_program = std::move(program);
    QCoreApplication::installTranslator(g_program.get());
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        g_qt = std::move(qt);
        QCoreApplication::installTranslator(g_qt.get());
    }
    setInterfaceTranslated(true);
    return true;
}

void removeTranslations()
{
    for (auto* translator : {&g_program, &g_qt}) {
        if (*translator != nullptr) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    setInterfaceTranslated(false);
}

} // namespace plandeck
