#include "core/languagesetup.h"

#include "core/logger.h"

#include <QCoreApplication>
#include <QProcess>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTranslator>

bool LanguageSetup::loadQtTranslation(QTranslator& translator, const QString& code)
{
    if (code.isEmpty())
        return false;
    // A deployed Windows build has no Qt installation to ask: its catalogues travel beside it.
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        // By locale, so "pt" finds Qt's qtbase_pt_BR.
        if (translator.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

QString LanguageSetup::installTranslations(const QString& language)
{
    static QTranslator program;
    static QTranslator qt;
    QString code;
    if (!loadTranslation(program, language, &code))
        return QString();
    QCoreApplication::installTranslator(&program);
    if (loadQtTranslation(qt, code))
        QCoreApplication::installTranslator(&qt);
    else
        Logger::instance().info(QStringLiteral("No Qt catalogue for %1: standard buttons stay in English").arg(code));
    return code;
}

QString LanguageSetup::requestedLanguage(const QString& setting, const QString& systemLocaleName)
{
    return setting.isEmpty() ? systemLocaleName : setting;
}

QString LanguageSetup::currentLanguage()
{
    QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
    return requestedLanguage(settings.value(QStringLiteral("language")).toString(), QLocale::system().name());
}

bool LanguageSetup::loadTranslation(QTranslator& translator, const QString& language, QString* loadedCode)
{
    const QString prefix = QStringLiteral(":/translations/Tessarin_");
    if (language.isEmpty())
        return false;
    // QTranslator::load would itself strip "_CA" from "fr_CA"; ask for exact files so the caller
    // learns which catalogue answered.
    auto loadExact = [&translator, &prefix](const QString& code) {
        return QFile::exists(prefix + code + QStringLiteral(".qm")) && translator.load(prefix + code);
    };
    if (loadExact(language)) {
        if (loadedCode)
            *loadedCode = language;
        return true;
    }
    const int underscore = language.indexOf(QLatin1Char('_'));
    if (underscore > 0) {
        const QString base = language.left(underscore);
        if (loadExact(base)) {
            if (loadedCode)
                *loadedCode = base;
            return true;
        }
    }
    return false;
}

QList<QPair<QString, QString>> LanguageSetup::menuLanguages()
{
    // Each language by its own name, so a reader finds theirs whatever the interface speaks now.
    return {
        {QStringLiteral("English (en)"), QStringLiteral("en")},
        {QStringLiteral("简体中文 (zh_CN)"), QStringLiteral("zh_CN")},
        {QStringLiteral("繁體中文 (zh_TW)"), QStringLiteral("zh_TW")},
        {QStringLiteral("Français (fr)"), QStringLiteral("fr")},
        {QStringLiteral("Deutsch (de)"), QStringLiteral("de")},
        {QStringLiteral("日本語 (ja)"), QStringLiteral("ja")},
        {QStringLiteral("Español (es)"), QStringLiteral("es")},
        {QStringLiteral("한국어 (ko)"), QStringLiteral("ko")},
        {QStringLiteral("Nederlands (nl)"), QStringLiteral("nl")},
        {QStringLiteral("Português (pt)"), QStringLiteral("pt")},
        {QStringLiteral("Italiano (it)"), QStringLiteral("it")},
        {QStringLiteral("العربية (ar)"), QStringLiteral("ar")},
        {QStringLiteral("Türkçe (tr)"), QStringLiteral("tr")},
    };
}

bool LanguageSetup::matches(const QString& code, const QString& current)
{
    return current == code || current.startsWith(code + QLatin1Char('_'));
}

QStringList LanguageSetup::catalogueCodes()
{
    return {QStringLiteral("ja"), QStringLiteral("zh_CN"), QStringLiteral("it"), QStringLiteral("ko"),
            QStringLiteral("fr"), QStringLiteral("tr"), QStringLiteral("es"), QStringLiteral("de"),
            QStringLiteral("pt"), QStringLiteral("en"), QStringLiteral("zh_TW"), QStringLiteral("nl")};
}

namespace {
LanguageSetup::RestartFunction& restartFunction()
{
    static LanguageSetup::RestartFunction function;
    return function;
}

bool& restartRequested()
{
    static bool requested = false;
    return requested;
}
}

void LanguageSetup::setRestartFunction(RestartFunction function)
{
    restartFunction() = std::move(function);
}

bool LanguageSetup::chooseLanguage(const QString& code)
{
    if (matches(code, currentLanguage()))
        return false;
    QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
    settings.setValue(QStringLiteral("language"), code);
    settings.sync();
    Logger::instance().info(QStringLiteral("Language changed to %1, restarting application...").arg(code));
    restartRequested() = true;
    return true;
}

void LanguageSetup::cancelRestart()
{
    if (restartRequested())
        Logger::instance().info(QStringLiteral("Restart for the language change dropped: the window stays open"));
    restartRequested() = false;
}


void LanguageSetup::restartIfRequested()
{
    if (!restartRequested())
        return;
    restartRequested() = false;
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString directory = QCoreApplication::applicationDirPath();
    if (restartFunction())
        restartFunction()(program, arguments, directory);
    else
        QProcess::startDetached(program, arguments, directory);
}
