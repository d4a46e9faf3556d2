#include "links/linkmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

LinkManager* LinkManager::instance()
{
    // The table is a resource of the program, registered at start-up.
    static LinkManager* manager = [] {
        QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
        return new LinkManager(QStringLiteral(":/data/links.json"),
                               settings.value(QStringLiteral("language")).toString(), QLocale::system().name());
    }();
    return manager;
}

LinkManager::LinkManager(const QString& tablePath, const QString& languageSetting, const QString& systemLocaleName,
                         QObject* parent)
    : QObject(parent)
{
    if (!loadTable(tablePath))
        qDebug() << "[LinkManager] 加载链接配置失败！";
    chooseLanguage(languageSetting, systemLocaleName);
    qDebug() << "[LinkManager] 初始化完成";
    qDebug() << "[LinkManager] 当前语言:" << m_currentLanguage;
    qDebug() << "[LinkManager] 支持的语言:" << m_supportedLanguages;
}

bool LinkManager::loadTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "[LinkManager] 无法打开 links.json:" << file.errorString();
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (doc.isNull() || !doc.isObject()) {
        qDebug() << "[LinkManager] JSON 格式错误";
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.contains(QLatin1String("metadata"))) {
        const QJsonObject meta = root.value(QLatin1String("metadata")).toObject();
        if (meta.contains(QLatin1String("supported_languages"))) {
            m_supportedLanguages.clear();
            for (const QJsonValue& v : meta.value(QLatin1String("supported_languages")).toArray())
                m_supportedLanguages << v.toString();
        }
        if (meta.contains(QLatin1String("fallback_language")))
            m_fallbackLanguage = meta.value(QLatin1String("fallback_language")).toString();
        qDebug() << "[LinkManager] 元数据加载成功";
        qDebug() << "[LinkManager] 版本:" << meta.value(QLatin1String("version")).toString();
        qDebug() << "[LinkManager] 更新日期:" << meta.value(QLatin1String("last_updated")).toString();
    }
    m_table = root;
    return true;
}

QString LinkManager::mapSystemLanguage(const QString& localeName)
{
    if (localeName == QLatin1String("zh_TW") || localeName == QLatin1String("zh_HK"))
        return QStringLiteral("zh_TW");
    if (localeName == QLatin1String("zh_CN"))
        return QStringLiteral("en");
    static const QStringList known{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
                                   QStringLiteral("ja"), QStringLiteral("es"), QStringLiteral("ko"),
                                   QStringLiteral("nl"), QStringLiteral("pt"), QStringLiteral("it"),
                                   QStringLiteral("tr"), QStringLiteral("ar")};
    const QString two = localeName.left(2).toLower();
    return known.contains(two) ? two : QStringLiteral("en");
}

void LinkManager::chooseLanguage(const QString& languageSetting, const QString& systemLocaleName)
{
    if (!languageSetting.isEmpty() && m_supportedLanguages.contains(languageSetting)) {
        qDebug() << "[LinkManager] 使用用户设置的语言:" << languageSetting;
        m_currentLanguage = languageSetting;
        return;
    }
    const QString mapped = mapSystemLanguage(systemLocaleName);
    qDebug() << "[LinkManager] 系统语言:" << systemLocaleName << "-> 映射为:" << mapped;
    if (m_supportedLanguages.contains(mapped)) {
        m_currentLanguage = mapped;
    } else {
        qDebug() << "[LinkManager] 不支持的语言，使用回退语言:" << m_fallbackLanguage;
        m_currentLanguage = m_fallbackLanguage;
    }
}

QString LinkManager::getLink(const QString& category, const QString& key, const QString& language) const
{
    if (!m_table.contains(category)) {
        qDebug() << "[LinkManager] 类别不存在:" << category;
        return QString();
    }
    const QJsonObject cat = m_table.value(category).toObject();
    if (!cat.contains(key)) {
        qDebug() << "[LinkManager] 键不存在:" << key << "in category:" << category;
        return QString();
    }
    const QJsonObject entry = cat.value(key).toObject();
    if (entry.contains(language)) {
        const QString url = entry.value(language).toString();
        qDebug() << "[LinkManager] 获取链接:" << category << "/" << key << "->" << url;
        return url;
    }
    if (entry.contains(m_fallbackLanguage)) {
        qDebug() << "[LinkManager] 语言" << language << "不存在，使用回退语言:" << m_fallbackLanguage;
        return entry.value(m_fallbackLanguage).toString();
    }
    qDebug() << "[LinkManager] 无法找到链接:" << category << "/" << key;
    return QString();
}

QString LinkManager::getLinkWithFallback(const QString& category, const QString& key) const
{
    QString url = getLink(category, key, m_currentLanguage);
    if (!url.isEmpty()) {
        qDebug() << "[LinkManager] ✓ 获取链接成功 [" << m_currentLanguage << "]:" << url;
        return url;
    }
    qWarning() << "[LinkManager] ⚠ 无法获取" << m_currentLanguage << "的" << "版本，降级到" << m_fallbackLanguage;
    url = getLink(category, key, m_fallbackLanguage);
    if (url.isEmpty()) {
        qCritical() << "[LinkManager] ✗ 无法获取链接:" << category << "/" << key;
        qCritical() << "[LinkManager] ✗ 请检查 links.json 配置文件！";
        return QString();
    }
    qDebug() << "[LinkManager] ✓ 使用回退语言 [" << m_fallbackLanguage << "]:" << url;
    return url;
}

bool LinkManager::openLink(const QString& category, const QString& key, QWidget* parent)
{
    const QString url = getLinkWithFallback(category, key);
    if (url.isEmpty()) {
        qCritical() << "[LinkManager] ✗ 无法打开链接:" << category << "/" << key;
        if (parent)
            QMessageBox::critical(parent, tr("配置错误"), tr("无法加载页面链接。\n\n请联系技术支持或重新安装软件。"));
        return false;
    }
    if (QDesktopServices::openUrl(QUrl(url))) {
        qDebug() << "[LinkManager] ✓ 成功打开链接:" << url;
        return true;
    }
    qWarning() << "[LinkManager] ⚠ 无法打开浏览器:" << url;
    if (parent) {
        // The link is there to be copied by hand: it must be selectable.
        QMessageBox box(QMessageBox::Warning, tr("无法打开浏览器"), tr("无法打开默认浏览器。\n\n请手动复制链接访问：\n%1").arg(url),
                        QMessageBox::Ok, parent);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
    }
    return false;
}
