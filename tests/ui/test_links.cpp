#include "links/linkmanager.h"
#include "modalanswer.h"
#include "ui/uiresources.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList g_messages;
void capture(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages << message;
}
const QString Table = QStringLiteral(":/data/links.json");
}

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        UiResources::init();
        QVERIFY(QFile::exists(Table));
    }

    void shippedTableIsComplete()
    {
        QFile f(Table);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
        const QJsonObject meta = root.value(QStringLiteral("metadata")).toObject();
        QCOMPARE(meta.value(QStringLiteral("fallback_language")).toString(), QStringLiteral("en"));
        const QStringList languages{"en", "fr", "de", "ja", "es", "ko", "zh_TW", "nl", "pt", "it", "tr", "ar"};
        QStringList declared;
        for (const QJsonValue& v : meta.value(QStringLiteral("supported_languages")).toArray())
            declared << v.toString();
        QCOMPARE(declared, languages);
        const QList<QPair<QString, QString>> keys{{"help", "user_guide"}, {"support", "contact"},
                                                  {"support", "contact_us"}, {"menu", "about"},
                                                  {"menu", "support"}, {"website", "home"},
                                                  {"website", "product"}};
        for (const auto& pair : keys) {
            const QString category = pair.first;
            const QString key = pair.second;
            const QJsonObject entry = root.value(category).toObject().value(key).toObject();
            QSet<QString> addresses;
            for (const QString& language : languages) {
                const QString url = entry.value(language).toString();
                QVERIFY2(url.startsWith(QStringLiteral("https://")), qPrintable(category + "/" + key + " " + language));
                addresses.insert(url);
            }
            QCOMPARE(addresses.size(), languages.size());  // one address per language
        }
    }

    void languageFromSettingOrSystem_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("setting de") << QString("de") << QString("fr_FR") << QString("de");
        QTest::newRow("unsupported setting zh_CN, system decides") << QString("zh_CN") << QString("fr_FR") << QString("fr");
        QTest::newRow("zh_HK") << QString("") << QString("zh_HK") << QString("zh_TW");
        QTest::newRow("zh_TW") << QString("") << QString("zh_TW") << QString("zh_TW");
        QTest::newRow("zh_CN") << QString("") << QString("zh_CN") << QString("en");
        QTest::newRow("pt_BR") << QString("") << QString("pt_BR") << QString("pt");
        QTest::newRow("sv_SE") << QString("") << QString("sv_SE") << QString("en");
        QTest::newRow("upper-case DE_de") << QString("") << QString("DE_de") << QString("de");
    }

    void languageFromSettingOrSystem()
    {
        QFETCH(QString, setting);
        QFETCH(QString, system);
        QFETCH(QString, expected);
        LinkManager links(Table, setting, system);
        QCOMPARE(links.currentLanguage(), expected);
        const QString url = links.getLinkWithFallback(QStringLiteral("help"), QStringLiteral("user_guide"));
        QVERIFY2(url.contains(QLatin1Char('/') + expected.toLower().replace(QLatin1Char('_'), QLatin1Char('-'))
                              + QLatin1Char('/')),
                 qPrintable(url));
    }

    void missingLanguageFallsBackWithItsLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("links.json"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"metadata\": {\"supported_languages\": [\"en\", \"de\", \"fr\"], \"fallback_language\": \"fr\"},"
                " \"help\": {\"user_guide\": {\"fr\": \"https://x/fr\", \"de\": \"https://x/de\"},"
                " \"only_en\": {\"en\": \"https://x/en\"}}}");
        f.close();
        LinkManager links(path, QStringLiteral("en"), QStringLiteral("en_US"));
        QCOMPARE(links.fallbackLanguage(), QStringLiteral("fr"));
        g_messages.clear();
        QtMessageHandler old = qInstallMessageHandler(capture);
        const QString url = links.getLink(QStringLiteral("help"), QStringLiteral("user_guide"), QStringLiteral("en"));
        const QString none = links.getLinkWithFallback(QStringLiteral("help"), QStringLiteral("only_de"));
        const QString viaFallbackLookup = links.getLinkWithFallback(QStringLiteral("help"), QStringLiteral("only_en"));
        qInstallMessageHandler(old);
        QCOMPARE(url, QStringLiteral("https://x/fr"));
        QVERIFY(g_messages.join('\n').contains(QStringLiteral("不存在，使用回退语言:")));
        QVERIFY(none.isEmpty());
        QVERIFY(g_messages.join('\n').contains(QStringLiteral("请检查 links.json 配置文件")));
        QCOMPARE(viaFallbackLookup, QStringLiteral("https://x/en"));
    }

    void instanceUsesTheShippedTable()
    {
        QVERIFY(LinkManager::instance() == LinkManager::instance());
        QVERIFY(!LinkManager::instance()->getLinkWithFallback(QStringLiteral("support"), QStringLiteral("contact")).isEmpty());
    }
};

QTEST_MAIN(TestLinks)
#include "test_links.moc"
