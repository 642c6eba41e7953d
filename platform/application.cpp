#include "application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace vortan {

namespace {
// Owned by the application object, so they go with it; replaced when another
// language is asked for.
QPointer<QTranslator> ownTranslator;
QPointer<QTranslator> qtTranslator;

void drop(QPointer<QTranslator>& t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t;
}
}  // namespace

void initApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QCoreApplication::setOrganizationName(QString());
    // QLocale() is the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) unless a
    // test has set another default.
    installTranslations(QLocale());
}

bool installTranslations(const QLocale& locale) {
    drop(ownTranslator);
    drop(qtTranslator);
    for (const QString& tag : locale.uiLanguages()) {
        const QLocale language(tag);
        // The texts are written in English: a preferred English ends the search.
        if (language.language() == QLocale::English) break;
        // Ours are built in as resources (":/i18n/vortan_de.qm", ...), so they
        // are found wherever the programs are.
        auto* own = new QTranslator(QCoreApplication::instance());
        if (!own->load(QStringLiteral("vortan_") + language.name(), QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        ownTranslator = own;
        // Qt's own, for its standard buttons and dialogs, when its package is there.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language.name(),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            qtTranslator = qt;
        } else {
            delete qt;
        }
        return true;
    }
    return false;
}

}  // namespace vortan
