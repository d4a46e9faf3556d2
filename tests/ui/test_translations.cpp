#include "ui/bootmodedialog.h"
#include "ui/clonesettingsdialog.h"
#include "ui/languagesetup.h"
#include "ui/spaceallocationdialog.h"
#include "ui/uiresources.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QStandardPaths>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Message> readCatalogue(const QString& path)
{
    QList<Message> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            m = Message{context, {}, {}, false};
        else if (xml.name() == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                xml.readElementText();
                continue;
            }
            m.unfinished = type == QLatin1String("unfinished");
            m.translation = xml.readElementText();
            out << m;
        }
    }
    return out;
}

// Texts that stay the same in a language without being left untranslated.
bool mayEqualSource(const QString& code, const QString& source)
{
    if (code == QLatin1String("en"))
        return true;
    QString words = source;
    words.remove(QRegularExpression(QStringLiteral("%\\d+")));
    // Nothing but symbols, numbers, product names and abbreviations.
    static const QRegularExpression word(QStringLiteral("[a-z]{3,}"));
    if (!word.match(words).hasMatch())
        return true;
    // The LinkManager texts are Chinese at the source.
    if (code == QLatin1String("zh_CN") && !source.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
        return true;
    if (source == QLatin1String("Windows"))
        return true;
    static const QSet<QString> same{
        QStringLiteral("it|Menu"), QStringLiteral("fr|Menu"), QStringLiteral("pt|Menu"), QStringLiteral("nl|Menu"),
        QStringLiteral("nl|Help"), QStringLiteral("nl|Label:"), QStringLiteral("fr|%1 partition(s)"),
        QStringLiteral("tr|Disk %1"), QStringLiteral("tr|Disk %1: %2"), QStringLiteral("tr|Disk %1 - %2"),
        QStringLiteral("tr|disk"),
        QStringLiteral("de|Partition %1"), QStringLiteral("de|Partition"), QStringLiteral("fr|Partition %1"),
        QStringLiteral("fr|Source"), QStringLiteral("fr|Options"), QStringLiteral("fr|Partition"),
        QStringLiteral("nl|Partition %1"), QStringLiteral("de|Windows"), QStringLiteral("fr|Windows"),
        QStringLiteral("es|Windows"), QStringLiteral("it|Windows"), QStringLiteral("pt|Windows"),
        QStringLiteral("nl|Windows"), QStringLiteral("tr|Windows"), QStringLiteral("de|Boot"),
        QStringLiteral("nl|Boot"), QStringLiteral("de|System"), QStringLiteral("nl|Systeem"),
        QStringLiteral("nl|Target"), QStringLiteral("it|Partition"), QStringLiteral("de|Support"),
        QStringLiteral("fr|Support"), QStringLiteral("nl|Support"), QStringLiteral("de|Start"),
        QStringLiteral("fr|Recovery"), QStringLiteral("tr|Recovery")};
    return same.contains(code + QLatin1Char('|') + source);
}
}

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        UiResources::init();
    }

    void languageChoiceAndFallback()
    {
        QCOMPARE(LanguageSetup::requestedLanguage(QStringLiteral("zh_TW"), QStringLiteral("fr_CA")),
                 QStringLiteral("zh_TW"));
        QCOMPARE(LanguageSetup::requestedLanguage(QString(), QStringLiteral("fr_CA")), QStringLiteral("fr_CA"));

        QTranslator zhTw;
        QString loaded;
        QVERIFY(LanguageSetup::loadTranslation(zhTw, QStringLiteral("zh_TW"), &loaded));
        QCOMPARE(loaded, QStringLiteral("zh_TW"));
        const QString traditional = zhTw.translate("WizardState", "Please select a target disk.");
        QTranslator zhCn;
        QVERIFY(LanguageSetup::loadTranslation(zhCn, QStringLiteral("zh_CN")));
        QVERIFY(!traditional.isEmpty());
        QVERIFY(traditional != zhCn.translate("WizardState", "Please select a target disk."));

        QTranslator fr;
        QVERIFY(LanguageSetup::loadTranslation(fr, QStringLiteral("fr_CA"), &loaded));
        QCOMPARE(loaded, QStringLiteral("fr"));
        QVERIFY(!fr.translate("MainWindow", "Confirm clone").isEmpty());

        QTranslator ar;
        QVERIFY(!LanguageSetup::loadTranslation(ar, QStringLiteral("ar")));
        QVERIFY(!LanguageSetup::loadTranslation(ar, QStringLiteral("ar_EG")));
        QVERIFY(!LanguageSetup::loadTranslation(ar, QString()));
    }

    void languageChangeRestartsOnlyForAnotherLanguage()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QStringList calls;
        LanguageSetup::setRestartFunction(
            [&calls](const QString& program, const QStringList&, const QString&) { calls << program; });
        QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
        settings.setValue(QStringLiteral("language"), QStringLiteral("pt_BR"));
        settings.sync();
        QVERIFY(!LanguageSetup::chooseLanguage(QStringLiteral("pt")));  // a variant of the active one
        QVERIFY(calls.isEmpty());
        QVERIFY(LanguageSetup::chooseLanguage(QStringLiteral("fr")));
        QCOMPARE(calls, QStringList{QCoreApplication::applicationFilePath()});
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("fr"));
        LanguageSetup::setRestartFunction({});
    }

    // The dialogs have fixed sizes: in every language their content must fit without clipping.
    void translatedDialogsFit()
    {
        QStringList problems;
        for (const QString& code : LanguageSetup::catalogueCodes()) {
            // Also proves that every catalogue is embedded.
            QTranslator translator;
            QVERIFY2(LanguageSetup::loadTranslation(translator, code) && !translator.isEmpty(), qPrintable(code));
            QApplication::installTranslator(&translator);
            BootModeDialog boot;
            SpaceAllocationDialog space;
            CloneSettingsDialog settings;
            for (QDialog* d : std::initializer_list<QDialog*>{&boot, &space, &settings}) {
                QLayout* layout = d->layout();
                const QSize minimum = layout->totalMinimumSize();
                if (minimum.width() > d->width())
                    problems << QStringLiteral("%1 %2: needs %3 px wide, has %4")
                                    .arg(code, d->windowTitle()).arg(minimum.width()).arg(d->width());
                const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(d->width())
                                                               : minimum.height();
                if (height > d->height())
                    problems << QStringLiteral("%1 %2: needs %3 px high, has %4")
                                    .arg(code, d->windowTitle()).arg(height).arg(d->height());
            }
            QApplication::removeTranslator(&translator);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Every text of the program has a real translation in every catalogue. The catalogues are first
    // brought up to date with the sources (when lupdate is there), so a new text without a
    // translation fails here.
    void everyTextIsTranslated()
    {
        const QString root = qEnvironmentVariable("TESSARIN_SOURCE_DIR");
        if (root.isEmpty())
            QSKIP("TESSARIN_SOURCE_DIR is not set");
        QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
        if (!QFile::exists(lupdate))
            lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
        QTemporaryDir tmp;
        int checked = 0;
        QStringList problems;
        for (const QString& code : LanguageSetup::catalogueCodes()) {
            const QString original = root + QStringLiteral("/resources/translations/Tessarin_%1.ts").arg(code);
            QVERIFY2(QFile::exists(original), qPrintable(original));
            QString path = original;
            if (!lupdate.isEmpty()) {
                path = tmp.filePath(QStringLiteral("Tessarin_%1.ts").arg(code));
                QVERIFY(QFile::copy(original, path));
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
                QProcess p;
                p.setWorkingDirectory(root);
                QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                      QStringLiteral("-no-obsolete"), QStringLiteral("-I"), QStringLiteral(".")};
                // lupdate fails on a missing folder, and git keeps no empty ones.
                for (const char* folder : {"core", "engine", "modes", "partition", "filesystem", "boot", "ui", "links", "app"})
                    if (QDir(root).exists(QLatin1String(folder)))
                        arguments << QLatin1String(folder);
                arguments << QStringLiteral("-ts") << path;
                p.start(lupdate, arguments);
                QVERIFY(p.waitForFinished(120000));
                QCOMPARE(p.exitCode(), 0);
            }
            const QList<Message> messages = readCatalogue(path);
            QVERIFY(messages.size() > 100);
            for (const Message& m : messages) {
                ++checked;
                const QString where = QStringLiteral("%1 [%2] \"%3\"").arg(code, m.context, m.source);
                if (m.unfinished || m.translation.trimmed().isEmpty())
                    problems << where + QStringLiteral(": no translation");
                else if (m.translation == m.source && !mayEqualSource(code, m.source))
                    problems << where + QStringLiteral(": copied from the source");
            }
        }
        QVERIFY(checked > 0);
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems, first ones:\n").arg(problems.size())
                                                + problems.mid(0, 25).join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
