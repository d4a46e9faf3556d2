#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QTranslator;

// The interface language: which one the user wants and which catalogue serves it.
class LanguageSetup {
public:
    // The "language" setting, or the system locale's name (e.g. "en_US") when the setting is empty.
    static QString requestedLanguage(const QString& setting, const QString& systemLocaleName);
    // The same, read from the settings store and the system locale.
    static QString currentLanguage();
    // Loads ":/translations/Tessarin_<language>", else the part before the first underscore.
    // On success `loadedCode` names the catalogue's code.
    static bool loadTranslation(QTranslator& translator, const QString& language, QString* loadedCode = nullptr);
    // Loads Qt's own catalogue (the texts of its standard buttons and dialogs) for catalogue `code`:
    // qtbase_<code> from Qt's translations folder, else from "translations" beside the program.
    static bool loadQtTranslation(QTranslator& translator, const QString& code);
    // Installs the program's and Qt's catalogues for `language` into the application; the
    // program's catalogue code, empty when none answered.
    static QString installTranslations(const QString& language);
    // The title menu's entries: display text and code.
    static QList<QPair<QString, QString>> menuLanguages();
    // True when `code` is the current language or its language part.
    static bool matches(const QString& code, const QString& current);
    // The catalogue codes that ship with the program.
    static QStringList catalogueCodes();

    // Stores `code` as the interface language, unless it is the language in use already, and marks
    // the restart that brings it in. True when a restart was asked for.
    static bool chooseLanguage(const QString& code);
    // Drops an asked-for restart, when the window refused to close.
    static void cancelRestart();
    // Starts the program again (detached, same arguments) when a restart was asked for. Called once
    // the event loop has ended, so that the new instance never runs beside this one.
    static void restartIfRequested();
    // Starts the program; tests replace it.
    using RestartFunction =
        std::function<void(const QString& program, const QStringList& arguments, const QString& directory)>;
    static void setRestartFunction(RestartFunction function);
};
