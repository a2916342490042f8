// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace sprache {

bool deutsch(const QLocale& locale)
{
    return locale.language() == QLocale::German || locale.language() == QLocale::C;
}

QLocale desktop()
{
    // LANGUAGE comes before LANG, as for every other program of the desktop.
    const QStringList sprachen = QLocale::system().uiLanguages();
    return sprachen.isEmpty() ? QLocale::system() : QLocale(sprachen.constFirst());
}

void laden(QCoreApplication& app, const QLocale& locale)
{
    // Pointers that the application's end, which deletes the translators,
    // leaves empty.
    static QPointer<QTranslator> programm;
    static QPointer<QTranslator> qt;
    delete programm;
    delete qt;
    const bool de = deutsch(locale);
    qt = new QTranslator(&app);
    if (qt->load(QLocale(de ? QLocale::German : QLocale::English), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    if (de)
        return;
    programm = new QTranslator(&app);
    if (programm->load(QStringLiteral(":/i18n/pelox_en.qm")))
        QCoreApplication::installTranslator(programm);
}

} // namespace sprache
