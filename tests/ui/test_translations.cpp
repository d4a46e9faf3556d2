#include "core/languagesetup.h"
#include "ui/uiresources.h"

#include <QDir>
#include <QStandardPaths>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {
struct Message {
    QString context, source, translation;
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
    if (source == QLatin1String("Windows"))  // a product name
        return true;
    // Words that are spelled the same in the language ("code|source", separated by ";").
    static const QStringList same = QStringLiteral(
        "it|Menu;fr|Menu;pt|Menu;nl|Menu;nl|Help;nl|Label:;fr|%1 partition(s);tr|Disk %1;tr|Disk %1: %2;tr|Disk %1 - %2;"
        "tr|disk;de|Partition %1;de|Partition %1 (%2): %3;de|Partition;fr|Partition %1;fr|Source;fr|Options;fr|Partition;nl|Partition %1;"
        "de|Boot;nl|Boot;de|System;nl|Systeem;nl|Target;it|Partition;de|Support;fr|Support;nl|Support;de|Start;"
        "fr|Recovery;tr|Recovery").split(QLatin1Char(';'));
    return same.contains(code + QLatin1Char('|') + source);
}
}

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UiResources::init(); }

    void languageChoiceAndFallback()
    {
        QCOMPARE(LanguageSetup::requestedLanguage(QStringLiteral("zh_TW"), QStringLiteral("fr_CA")),
                 QStringLiteral("zh_TW"));
        QCOMPARE(LanguageSetup::requestedLanguage(QString(), QStringLiteral("fr_CA")), QStringLiteral("fr_CA"));

        // Traditional Chinese is its own catalogue, a regional variant falls back to the language,
        // a language without a catalogue loads nothing.
        QTranslator zhTw, zhCn, fr, ar;
        QString loaded;
        QVERIFY(LanguageSetup::loadTranslation(zhTw, QStringLiteral("zh_TW"), &loaded));
        QCOMPARE(loaded, QStringLiteral("zh_TW"));
        QVERIFY(LanguageSetup::loadTranslation(zhCn, QStringLiteral("zh_CN")));
        const QString traditional = zhTw.translate("WizardState", "Please select a target disk.");
        QVERIFY(!traditional.isEmpty() && traditional != zhCn.translate("WizardState", "Please select a target disk."));
        QVERIFY(LanguageSetup::loadTranslation(fr, QStringLiteral("fr_CA"), &loaded));
        QCOMPARE(loaded, QStringLiteral("fr"));
        for (const QString& code : {QStringLiteral("ar"), QStringLiteral("ar_EG"), QString()})
            QVERIFY(!LanguageSetup::loadTranslation(ar, code));
    }

    // Qt's own buttons speak every shipped language; Qt has no Portuguese of Portugal, so "pt"
    // takes Brazil's.
    void qtButtonsAreTranslated()
    {
        for (const QString& code : LanguageSetup::catalogueCodes()) {
            if (code == QLatin1String("en"))
                continue;
            QTranslator qt;
            QVERIFY2(LanguageSetup::loadQtTranslation(qt, code), qPrintable(code));
            const QString cancel = qt.translate("QPlatformTheme", "Cancel");
            QVERIFY2(!cancel.isEmpty() && cancel != QLatin1String("Cancel"), qPrintable(code));
        }
        const QString code = LanguageSetup::installTranslations(QStringLiteral("de_AT"));
        QCOMPARE(code, QStringLiteral("de"));
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
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
        QVERIFY(calls.isEmpty());  // not before the window is gone
        LanguageSetup::restartIfRequested();
        QCOMPARE(calls, QStringList{QCoreApplication::applicationFilePath()});
        LanguageSetup::restartIfRequested();
        QCOMPARE(calls.size(), 1);
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("fr"));
        LanguageSetup::setRestartFunction({});
    }

    // Every text of the program has a real translation in every catalogue. The catalogues are first
    // brought up to date with the sources (when lupdate is there), so a new text without a
    // translation fails here.
    void everyTextIsTranslated()
    {
        const QString root = qEnvironmentVariable("TESSARIN_SOURCE_DIR");
        if (root.isEmpty())
            QSKIP("TESSARIN_SOURCE_DIR is not set");
        const QString lupdate = QFile::exists(QStringLiteral("/usr/lib/qt6/bin/lupdate"))
            ? QStringLiteral("/usr/lib/qt6/bin/lupdate") : QStandardPaths::findExecutable(QStringLiteral("lupdate"));
        QTemporaryDir tmp;
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
                QStringList arguments = QStringLiteral("-silent -locations none -no-obsolete -I .").split(QLatin1Char(' '));
                // lupdate fails on a missing folder, and git keeps no empty ones.
                for (const char* folder : {"core", "engine", "modes", "partition", "filesystem", "boot", "platformtools", "ui", "links", "app", "cli"})
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
                const QString where = QStringLiteral("%1 [%2] \"%3\"").arg(code, m.context, m.source);
                if (m.unfinished || m.translation.trimmed().isEmpty())
                    problems << where + QStringLiteral(": no translation");
                else if (m.translation == m.source && !mayEqualSource(code, m.source))
                    problems << where + QStringLiteral(": copied from the source");
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems, first ones:\n").arg(problems.size())
                                                + problems.mid(0, 25).join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
