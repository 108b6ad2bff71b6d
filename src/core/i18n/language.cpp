#include "i18n/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace quarvex {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<QTranslator> qtTranslator; // Qt's own dialogs, where installed
    QString language = QStringLiteral("en");
};

Installed& installed()
{
    static Installed state;
    return state;
}

void removeInstalled()
{
    Installed& state = installed();
    if (state.translator)
        QCoreApplication::removeTranslator(state.translator.get());
    if (state.qtTranslator)
        QCoreApplication::removeTranslator(state.qtTranslator.get());
    state.translator.reset();
    state.qtTranslator.reset();
    state.language = QStringLiteral("en");
}

bool install(std::unique_ptr<QTranslator> translator, const QString& language)
{
    removeInstalled();
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    installed().translator = std::move(translator);
    installed().language = language;
    return true;
}

} // namespace

QStringList supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("de")};
}

QString parseLanguage(const QString& text)
{
    // "de", "de_DE", "de-AT", "de_DE.UTF-8@euro": the part before the territory.
    const QString code = text.trimmed()
                             .section(u'_', 0, 0)
                             .section(u'-', 0, 0)
                             .section(u'.', 0, 0)
                             .section(u'@', 0, 0)
                             .toLower();
    return supportedLanguages().contains(code) ? code : QString();
}

QString languageFrom(const QString& languageList, const QString& lcAll, const QString& lcMessages,
                     const QString& lang)
{
    // gettext reads LANGUAGE only when the locale is not "C".
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    const bool plainC =
        locale.isEmpty() || locale == u"C" || locale == u"POSIX" || locale.startsWith(u"C.");
    if (plainC)
        return QStringLiteral("en");
    // A LANGUAGE list that names no language Quarvex speaks leaves the
    // sources' English, as gettext does.
    if (!languageList.isEmpty()) {
        for (const QString& entry : languageList.split(u':', Qt::SkipEmptyParts)) {
            const QString code = parseLanguage(entry);
            if (!code.isEmpty())
                return code;
        }
        return QStringLiteral("en");
    }
    const QString code = parseLanguage(locale);
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString languageFromEnvironment()
{
    return languageFrom(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                        qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

bool installLanguage(const QString& language)
{
    if (!supportedLanguages().contains(language)) {
        removeInstalled();
        return false;
    }
    if (language == u"en") {
        removeInstalled();
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/quarvex_%1.qm").arg(language))) {
        removeInstalled();
        return false;
    }
    if (!install(std::move(translator), language))
        return false;
    // The texts of Qt's own file, print and input dialogs come from Qt's
    // translations (Debian's qt6-translations-l10n), when they are there.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get()))
        installed().qtTranslator = std::move(qt);
    return true;
}

bool installTranslationFile(const QString& path)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path)) {
        removeInstalled();
        return false;
    }
    const QString language = translator->language();
    return install(std::move(translator), language);
}

QString installedLanguage()
{
    return installed().language;
}

QString inSentence(const QString& text)
{
    if (installedLanguage() != QLatin1String("en") || text.size() < 2 || !text[1].isLower())
        return text;
    QString out = text;
    out[0] = out[0].toLower();
    return out;
}

EnglishTexts::EnglishTexts()
    : m_language(installedLanguage())
{
    if (m_language != QLatin1String("en"))
        installLanguage(QStringLiteral("en"));
}

EnglishTexts::~EnglishTexts()
{
    if (m_language != QLatin1String("en"))
        installLanguage(m_language);
}

} // namespace quarvex
