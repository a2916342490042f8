// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace sprache {

namespace {
// The language laden installed last; the texts are German before.
bool g_deutsch = true;
} // namespace

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
    g_deutsch = de;
    // Qt's own number fields write and read as the texts around them do.
    QLocale::setDefault(zahlen());
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

QLocale zahlen()
{
    QLocale l(g_deutsch ? QLocale::German : QLocale::English);
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

QString dezimal(double v, int stellen)
{
    return zahlen().toString(v, 'f', stellen);
}

QString text(const Phrase& p)
{
    if (p.decimal)
        return g_deutsch ? QString::fromStdString(p.asWritten()) : QString::fromStdString(p.source);
    const QString vorlage
        = p.context ? QCoreApplication::translate(p.context, p.source.c_str()) : QString::fromStdString(p.source);
    std::vector<std::string> werte;
    for (const Phrase& a : p.args)
        werte.push_back(text(a).toStdString());
    return QString::fromStdString(fillIn(vorlage.toStdString(), werte));
}

} // namespace sprache
