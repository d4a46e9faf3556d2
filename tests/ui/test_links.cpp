#include "links/linkmanager.h"
#include "ui/uiresources.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Table = QStringLiteral(":/data/links.json");
}

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UiResources::init(); }

    void shippedTableIsComplete()
    {
        QFile f(Table);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
        const QJsonObject meta = root.value(QStringLiteral("metadata")).toObject();
        QCOMPARE(meta.value(QStringLiteral("fallback_language")).toString(), QStringLiteral("en"));
        QStringList languages;
        for (const QJsonValue& v : meta.value(QStringLiteral("supported_languages")).toArray())
            languages << v.toString();
        QVERIFY(languages.size() > 10 && languages.contains(QStringLiteral("zh_TW")));
        for (const QString& path : QStringLiteral("help/user_guide support/contact support/contact_us menu/about menu/support "
                                                  "website/home website/product").split(QLatin1Char(' '))) {
            const QString category = path.section(QLatin1Char('/'), 0, 0), key = path.section(QLatin1Char('/'), 1);
            const QJsonObject entry = root.value(category).toObject().value(key).toObject();
            QSet<QString> addresses;
            for (const QString& language : languages) {
                const QString url = entry.value(language).toString();
                QVERIFY2(url.startsWith(QStringLiteral("https://")), qPrintable(path + " " + language));
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

    void missingLanguageFallsBack()
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
        QCOMPARE(links.getLink(QStringLiteral("help"), QStringLiteral("user_guide"), QStringLiteral("en")), QStringLiteral("https://x/fr"));
        QVERIFY(links.getLinkWithFallback(QStringLiteral("help"), QStringLiteral("only_de")).isEmpty());
        QCOMPARE(links.getLinkWithFallback(QStringLiteral("help"), QStringLiteral("only_en")), QStringLiteral("https://x/en"));
    }
};

QTEST_MAIN(TestLinks)
#include "test_links.moc"
