#pragma once
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// Resolves (category, key) to a web address in the user's language from ":/data/links.json"
// and opens it in the default browser.
class LinkManager : public QObject {
    Q_OBJECT
public:
    static LinkManager* instance();

    QString currentLanguage() const { return m_currentLanguage; }
    QString fallbackLanguage() const { return m_fallbackLanguage; }
    QStringList supportedLanguages() const { return m_supportedLanguages; }

    QString getLink(const QString& category, const QString& key, const QString& language) const;
    QString getLinkWithFallback(const QString& category, const QString& key) const;
    bool openLink(const QString& category, const QString& key, QWidget* parent);

    // The table's code for a system locale name ("zh_HK" -> "zh_TW", "pt_BR" -> "pt", "sv_SE" -> "en").
    static QString mapSystemLanguage(const QString& localeName);

    // For a separate instance over another table and settings/locale (tests).
    LinkManager(const QString& tablePath, const QString& languageSetting, const QString& systemLocaleName,
                QObject* parent = nullptr);

signals:
    void languageChanged(const QString& newLanguage);

private:
    bool loadTable(const QString& path);
    void chooseLanguage(const QString& languageSetting, const QString& systemLocaleName);

    QString m_currentLanguage;
    QString m_fallbackLanguage = QStringLiteral("en");
    QStringList m_supportedLanguages;
    QJsonObject m_table;
};
