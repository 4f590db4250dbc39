// The update dialog against the local test server: each answer of the server,
// the network failures, the download page and the home page command. No browser
// starts: the tests put in their own opener.
#include "core/settings/settingsstore.h"
#include "localhttpserver.h"
#include "modalanswerer.h"
#include "tempsettings.h"
#include "updatecases.h"
#include "updatefixtures.h"
#include "widgets/update/common_dlgwebupdated.h"
#include "widgets/update/webupdatecommands.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kSection = QLatin1String(Settings::kSectionSettings);
constexpr ProgramVersion kInstalled{3, 1, 5};
const QString kNoData = QStringLiteral("Es sind noch keine Daten geladen.");
const QString kTransferError = QStringLiteral("Fehler bei der Übertragung");
const QString kUpToDate =
    QStringLiteral("Die benutzte Version von Tarvelomark ist auf dem aktuellen Stand.");
QString Offered(const char* version)
{
    return QStringLiteral("Die derzeit aktuelle Version von Tarvelomark ist die Version %1")
        .arg(QLatin1String(version));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A key and a certificate for 127.0.0.1 that nobody trusts, made with openssl.
struct SelfSigned
{
    QSslKey key;
    QSslCertificate certificate;
};

std::optional<SelfSigned> MakeSelfSigned(const QTemporaryDir& dir)
{
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                   "-addext", "subjectAltName=IP:127.0.0.1"});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0)
        return std::nullopt;
    SelfSigned result{QSslKey(ReadAll(key), QSsl::Ec), QSslCertificate(ReadAll(cert), QSsl::Pem)};
    if (result.key.isNull() || result.certificate.isNull())
        return std::nullopt;
    return result;
}

} // namespace

class TestWebUpdate : public QObject
{
    Q_OBJECT

private:
    LocalHttpServer m_server;
    QTemporaryDir m_pages;
    QList<QUrl> m_opened;
    bool m_browserWorks = true;

    WebUpdateSetup Setup(const QString& folder)
    {
        WebUpdateSetup setup;
        setup.installed = kInstalled;
        setup.updateServer = m_server.BaseUrl() + QLatin1Char('/') + folder;
        setup.homePage = QStringLiteral("https://www.norvak.de");
        setup.pageFolder = m_pages.path();
        setup.openBrowser = [this](const QUrl& url) {
            m_opened << url;
            return m_browserWorks;
        };
        return setup;
    }

    static QPushButton* Button(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }
    static QString Status(QDialog& dialog)
    {
        return dialog.findChild<QLabel*>(QStringLiteral("status"))->text();
    }

    // Clicks the query button and waits for the answer.
    static void RunQuery(Common_DlgWebUpdateD& dialog)
    {
        Button(dialog, "query")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Query().IsRunning(), 10000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // With TVM_SHOTS_DIR set, keeps a picture of the dialog for looking at.
    static void Shot(QWidget& dialog, const QString& name)
    {
        const QString folder = qEnvironmentVariable("TVM_SHOTS_DIR");
        if (!folder.isEmpty())
            dialog.grab().save(QDir(folder).filePath(QStringLiteral("webupdate-%1.png").arg(name)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.Listen());
        ServeUpdateCases(m_server, kInstalled);
        // Far more than any index: the query stops reading, the entry is found.
        LocalHttpServer::Response endless;
        endless.body = UpdateFixtures::ThreePrograms("3.01.006") + QByteArray(4 << 20, 'x');
        m_server.Serve("/endlos/UpdateIndex.krdidx", endless);
    }

    void init()
    {
        m_opened.clear();
        m_browserWorks = true;
    }

    void opensWithTheInstalledVersion()
    {
        Common_DlgWebUpdateD dialog(Setup(QStringLiteral("aktuell")));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("KRD WebUpdate"));
        QCOMPARE(dialog.findChild<QLabel*>("programName")->text(), QStringLiteral("Tarvelomark"));
        QCOMPARE(dialog.findChild<QLabel*>("installedVersion")->text(), QStringLiteral("3.01.005"));
        QCOMPARE(Status(dialog), kNoData);
        QVERIFY(!Button(dialog, "download")->isEnabled());
        QVERIFY(Button(dialog, "query")->isEnabled());
        QCOMPARE(dialog.focusWidget(), Button(dialog, "query"));
        Shot(dialog, QStringLiteral("0-start"));
    }

    void showsTheResultOfEachAnswer_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("offered");
        QTest::newRow("up to date") << "aktuell" << kUpToDate << false;
        QTest::newRow("update") << "update" << Offered("3.01.006") << true;
        QTest::newRow("paid upgrade") << "upgrade" << Offered("4.00.000") << true;
        QTest::newRow("lower version") << "aelter" << Offered("3.01.004") << true;
        QTest::newRow("LF line ends") << "lf" << Offered("3.01.006") << true;
        QTest::newRow("truncated index") << "abgeschnitten" << kTransferError << false;
        QTest::newRow("connection cut") << "abbruch" << kTransferError << false;
        QTest::newRow("404 page") << "fehlt" << kTransferError << false;
        QTest::newRow("redirection") << "umleitung" << kTransferError << false;
        QTest::newRow("4 MB answer") << "endlos" << Offered("3.01.006") << true;
    }

    void showsTheResultOfEachAnswer()
    {
        QFETCH(QString, folder);
        QFETCH(QString, status);
        QFETCH(bool, offered);
        Common_DlgWebUpdateD dialog(Setup(folder));
        dialog.show();
        ModalAnswerer answerer;
        const qsizetype before = m_server.Requests().size();

        Button(dialog, "query")->click();
        QVERIFY(dialog.Query().IsRunning());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(!Button(dialog, "query")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Query().IsRunning(), 10000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        QCOMPARE(answerer.messages, QStringList());
        QCOMPARE(Status(dialog), status);
        QCOMPARE(Button(dialog, "download")->isEnabled(), offered);
        QCOMPARE(Button(dialog, "query")->isEnabled(), !offered);
        QCOMPARE(dialog.focusWidget(), Button(dialog, offered ? "download" : "query"));
        QVERIFY(m_opened.isEmpty());

        // One request, for the case's own index: a redirection is not followed.
        QCOMPARE(m_server.Requests().size(), before + 1);
        const LocalHttpServer::Request& request = m_server.Requests().constLast();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, "/" + folder.toLatin1() + "/UpdateIndex.krdidx");
        QCOMPARE(request.headers.value("user-agent"), QByteArray("Tarvelomark"));
        QCOMPARE(request.headers.value("accept"), QByteArray("Text/*"));

        if (folder == QLatin1String("aktuell") || folder == QLatin1String("update") ||
            folder == QLatin1String("fehlt"))
            Shot(dialog, folder);
    }

    void networkFailuresKeepTheDialogAsItWas_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("message");
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        QTest::newRow("connection refused") << refused << "refused";
        QTest::newRow("time-out") << "langsam"
                                  << "Zeitüberschreitung: 127.0.0.1 hat nicht rechtzeitig "
                                     "geantwortet.";
        QTest::newRow("not a web address")
            << "ftp://127.0.0.1"
            << "Die Adresse \"ftp://127.0.0.1\" in der Einstellung \"UpdateServer\" ist keine "
               "gültige http- oder https-Adresse.";
    }

    void networkFailuresKeepTheDialogAsItWas()
    {
        QFETCH(QString, server);
        QFETCH(QString, message);
        WebUpdateSetup setup = Setup(server);
        if (server.contains(QLatin1Char(':')))
            setup.updateServer = server;
        Common_DlgWebUpdateD dialog(setup);
        dialog.Query().SetTimeout(400);
        dialog.show();
        ModalAnswerer answerer;
        RunQuery(dialog);
        QTRY_COMPARE(answerer.messages.size(), 1);
        QVERIFY2(answerer.messages.constFirst().contains(message, Qt::CaseInsensitive),
                 qPrintable(answerer.messages.constFirst()));
        QCOMPARE(answerer.seen, QStringList{QStringLiteral("QMessageBox")});
        QCOMPARE(Status(dialog), kNoData);
        QVERIFY(Button(dialog, "query")->isEnabled());
        QVERIFY(!Button(dialog, "download")->isEnabled());
        QCOMPARE(dialog.Entry().name, QStringLiteral("@"));
    }

    void downloadWritesThePageAndOpensIt_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("rule");
        QTest::newRow("free update") << "update"
                                     << "Dieses Update ist kostenfrei.";
        QTest::newRow("paid upgrade") << "upgrade"
                                      << "Dieses Upgrade ist kostenpflichtig!";
        QTest::newRow("lower version") << "aelter"
                                       << "Dieses Update ist kostenfrei.";
    }

    void downloadWritesThePageAndOpensIt()
    {
        QFETCH(QString, folder);
        QFETCH(QString, rule);
        Common_DlgWebUpdateD dialog(Setup(folder));
        dialog.show();
        RunQuery(dialog);
        QVERIFY(Button(dialog, "download")->isEnabled());
        Button(dialog, "download")->click();

        const QString path = m_pages.filePath(QStringLiteral("Update.html"));
        QCOMPARE(dialog.PagePath(), path);
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        const QString page = QString::fromUtf8(ReadAll(path));
        QVERIFY(page.contains(rule));
        QVERIFY(page.contains(QStringLiteral("<A HREF=\"%1/%2/download/TarvelomarkSetup.exe\"")
                                  .arg(m_server.BaseUrl(), folder)));
        QVERIFY(page.contains(QStringLiteral("Ihre bestehende Version (3.01.005)")));
        QCOMPARE(QDir(m_pages.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Update.html")});
    }

    // Issue 19: no text of the index may add markup or script to the page, and
    // the dialog shows index texts as plain text.
    void test19HostileIndexTextsAreEscaped()
    {
        const QByteArray name = "<svg/onload=alert()>";
        LocalHttpServer::Response hostile;
        hostile.body = UpdateFixtures::Index(
            {{"Tarvelomark", "3.01.005"},
             {name, "<i>9</i>", "/x'\"><b>", "</SMALL>", "<script>alert(1)</script>"}});
        m_server.Serve("/feindlich/UpdateIndex.krdidx", hostile);
        WebUpdateSetup setup = Setup(QStringLiteral("feindlich"));
        setup.programName = QString::fromLatin1(name);
        Common_DlgWebUpdateD dialog(setup);
        dialog.show();
        RunQuery(dialog);
        auto* status = dialog.findChild<QLabel*>(QStringLiteral("status"));
        QCOMPARE(status->textFormat(), Qt::PlainText);
        QCOMPARE(status->text(), QStringLiteral("Die derzeit aktuelle Version von "
                                                "<svg/onload=alert()> ist die Version <i>9</i>"));
        Shot(dialog, QStringLiteral("hostile"));
        Button(dialog, "download")->click();

        const QByteArray page = ReadAll(dialog.PagePath());
        QVERIFY(!page.contains("<svg"));
        QVERIFY(!page.contains("<script>alert"));
        QVERIFY(!page.contains("<i>9"));
        QVERIFY(page.contains("Update für &lt;svg/onload=alert()&gt; auf"));
        QVERIFY(page.contains("OpenWin('\\u003cscript\\u003ealert\\u00281\\u0029\\u003c/script"
                              "\\u003e')"));
        QVERIFY(page.contains("(&lt;/SMALL&gt;)"));
        QVERIFY(page.contains("/feindlich/x&#39;%22%3E%3Cb%3E\""));
    }

    void downloadFailures()
    {
        // A file where the documents folder should be: nothing is written, the
        // user is told, and the dialog stays open.
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("Dokumente"));
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        WebUpdateSetup setup = Setup(QStringLiteral("update"));
        setup.pageFolder = notAFolder;
        Common_DlgWebUpdateD blocked(setup);
        blocked.show();
        RunQuery(blocked);
        {
            ModalAnswerer answerer;
            Button(blocked, "download")->click();
            QTRY_COMPARE(answerer.messages.size(), 1);
            QVERIFY2(answerer.messages.constFirst().startsWith(
                         QStringLiteral("Die Seite %1/Update.html konnte nicht geschrieben "
                                        "werden.\n")
                             .arg(notAFolder)),
                     qPrintable(answerer.messages.constFirst()));
        }
        QVERIFY(blocked.isVisible());
        QVERIFY(m_opened.isEmpty());
        QVERIFY(Button(blocked, "download")->isEnabled());

        // No browser: the message says so; the page is written and the dialog
        // has done its part.
        m_browserWorks = false;
        setup = Setup(QStringLiteral("update"));
        Common_DlgWebUpdateD dialog(setup);
        dialog.show();
        RunQuery(dialog);
        ModalAnswerer answerer;
        Button(dialog, "download")->click();
        QTRY_COMPARE(answerer.messages.size(), 1);
        QCOMPARE(answerer.messages.constFirst(),
                 QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen "
                                "Internet-Browser finden."));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(dialog.PagePath()));
    }

    void homepageCommand()
    {
        TempSettings settings;
        QList<QUrl> opened;
        bool works = true;
        const BrowserOpener opener = [&](const QUrl& url) {
            opened << url;
            return works;
        };

        OpenHomepage(*settings, nullptr, opener);
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.norvak.de"))});

        settings->Set(kSection, Settings::Homepage, QStringLiteral("http://127.0.0.1:9/tm"));
        works = false;
        {
            ModalAnswerer answerer;
            OpenHomepage(*settings, nullptr, opener);
            QTRY_COMPARE(answerer.messages.size(), 1);
            QCOMPARE(answerer.messages.constFirst(),
                     QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen "
                                    "Internet-Browser finden."));
        }
        QCOMPARE(opened.constLast(), QUrl(QStringLiteral("http://127.0.0.1:9/tm")));

        // The settings are the user's, but still only a web address is opened.
        opened.clear();
        settings->Set(kSection, Settings::Homepage, QStringLiteral("file:///etc/passwd"));
        ModalAnswerer answerer;
        OpenHomepage(*settings, nullptr, opener);
        QTRY_COMPARE(answerer.messages.size(), 1);
        QVERIFY(answerer.messages.constFirst().contains(QStringLiteral("\"Homepage\"")));
        QVERIFY(opened.isEmpty());
    }

    void setupComesFromTheSettings()
    {
        TempSettings settings;
        WebUpdateSetup setup = ReadWebUpdateSetup(*settings, {});
        QCOMPARE(setup.updateServer, QStringLiteral("https://www.norvak.de"));
        QCOMPARE(setup.homePage, QStringLiteral("https://www.norvak.de"));
        QCOMPARE(setup.programName, QStringLiteral("Tarvelomark"));
        QCOMPARE(FormatIndexVersion(setup.installed),
                 FormatIndexVersion(InstalledProgramVersion()));
        QCOMPARE(setup.pageFolder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

        settings->Set(kSection, Settings::UpdateServer, QStringLiteral("https://update.test"));
        settings->Set(kSection, Settings::Homepage, QStringLiteral("https://home.test"));
        setup = ReadWebUpdateSetup(*settings, {});
        QCOMPARE(setup.updateServer, QStringLiteral("https://update.test"));
        QCOMPARE(setup.homePage, QStringLiteral("https://home.test"));
    }

    // https works, and a certificate nobody vouches for is an error, not ignored.
    void httpsAndCertificateErrors()
    {
        QTemporaryDir dir;
        const std::optional<SelfSigned> tls = MakeSelfSigned(dir);
        if (!tls)
            QSKIP("openssl could not make a certificate");
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(tls->certificate);
        config.setPrivateKey(tls->key);
        LocalHttpServer secure;
        QVERIFY(secure.Listen(0, config));
        ServeUpdateCases(secure, kInstalled);
        WebUpdateSetup setup = Setup(QString());
        setup.updateServer = secure.BaseUrl() + QStringLiteral("/aktuell");

        {
            Common_DlgWebUpdateD dialog(setup);
            dialog.show();
            ModalAnswerer answerer;
            RunQuery(dialog);
            QTRY_COMPARE(answerer.messages.size(), 1);
            QVERIFY2(answerer.messages.constFirst().contains(QStringLiteral("certificate"),
                                                             Qt::CaseInsensitive),
                     qPrintable(answerer.messages.constFirst()));
            QCOMPARE(Status(dialog), kNoData);
            QVERIFY(secure.Requests().isEmpty());
        }

        // Trusted, the same server answers.
        const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = before;
        trusting.addCaCertificate(tls->certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        Common_DlgWebUpdateD dialog(setup);
        dialog.show();
        RunQuery(dialog);
        QSslConfiguration::setDefaultConfiguration(before);
        QCOMPARE(Status(dialog), kUpToDate);
        QCOMPARE(secure.Requests().size(), 1);
    }
};

QTEST_MAIN(TestWebUpdate)
#include "webupdate_test.moc"
