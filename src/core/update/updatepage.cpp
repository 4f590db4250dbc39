#include "core/update/updatepage.h"

#include "core/files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kMaker[] = "Norvak";

bool IsWebScheme(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The address without a trailing slash, ready for a path to be appended.
QString Base(const QUrl& address)
{
    QString text = address.toString(QUrl::FullyEncoded);
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

// Also the single quote, so that an escaped text can stand in any attribute.
QString Html(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}

// A text for a single-quoted JavaScript string inside a script element or an
// HTML attribute: only letters, digits and a few harmless characters stay;
// everything else becomes \uXXXX, which leaves nothing for the HTML parser to
// decode (no &, ", <) and nothing that a javascript: address would
// percent-decode (no %).
QString JsInAttribute(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                           (u >= '0' && u <= '9') || u == ' ' || u == '.' || u == ',' || u == '-' ||
                           u == '_' || u == ':' || u == '/';
        if (plain)
            out += c;
        else
            out += QString::asprintf("\\u%04x", unsigned(u));
    }
    return out;
}

} // namespace

std::optional<QUrl> WebAddress(const QString& configured)
{
    const QUrl url(configured.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || !IsWebScheme(url) || url.host().isEmpty() || url.hasQuery() ||
        url.hasFragment())
        return std::nullopt;
    return url;
}

QUrl UpdateIndexUrl(const QUrl& server)
{
    return QUrl(Base(server) + QLatin1Char('/') + QLatin1String(kUpdateIndexFileName));
}

std::optional<QUrl> DownloadUrl(const QUrl& server, const QString& downloadPath)
{
    QString path = downloadPath;
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    const QUrl url(Base(server) + QLatin1Char('/') + path, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme() != server.scheme() || url.host() != server.host() ||
        url.port() != server.port() || !url.userInfo().isEmpty())
        return std::nullopt;
    return url;
}

bool IsFreeUpdate(const ProgramVersion& installed, const QString& entryVersion)
{
    // Compares numbers, not the first character: major 10 and "10.00.001" is free,
    // major 1 and "10.00.000" is not.
    return IndexVersionMajor(entryVersion) == installed.major;
}

// The page's words in the program's language. Our own texts, so they may hold
// markup; what comes from the index is escaped where it is filled in.
QString PageText(const char* text)
{
    return QCoreApplication::translate("UpdatePage", text);
}

// Layout of the page, step by step in the order the browser shows it.
QByteArray BuildUpdatePage(const UpdatePageInput& input)
{
    const UpdateIndexEntry& entry = input.entry;
    const QString home = Base(input.homePage);
    const QString crlf = QStringLiteral("\r\n");
    QString page;

    page += QStringLiteral("<!DOCTYPE HTML PUBLIC><HTML><HEAD>"
                           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                           "charset=utf-8\"><TITLE>%1</TITLE>")
                .arg(Html(PageText(QT_TRANSLATE_NOOP("UpdatePage", "%1 - Programm-Update"))
                              .arg(QLatin1String(kMaker)))) +
            crlf;
    page += QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript\">\r\n"
                           "<!--\r\nfunction OpenWin(Item)\r\n{\r\n");
    page += QStringLiteral("window.open('%1/' + Item + '.html', Item, "
                           "'toolbar=no,directories=no,menubar=no,width=600,height=350,"
                           "resizable=yes,scrollbars=yes');")
                .arg(JsInAttribute(home)) +
            crlf;
    page += QStringLiteral("}\r\n//-->\r\n</script>\r\n</HEAD>\r\n");
    page +=
        QStringLiteral("<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> %1 </B></FONT>\r\n")
            .arg(PageText(QT_TRANSLATE_NOOP("UpdatePage", "Update für %1 auf Ihren Rechner laden"))
                     .arg(Html(entry.name)));
    page += QStringLiteral("<BR><BR>%1<BR>\r\n")
                .arg(PageText(QT_TRANSLATE_NOOP(
                                  "UpdatePage",
                                  "Laden Sie die Datei auf Ihren Rechner und f&uuml;hren Sie "
                                  "diese aus. Beenden Sie vorher das Programm, das Sie "
                                  "aktualisieren möchten.<BR>Sie installieren damit die "
                                  "aktualisierte Fassung über Ihre bestehende Version (%1) und "
                                  "sind auf dem aktuellen Stand."))
                         .arg(FormatIndexVersion(input.installed)));
    if (IsFreeUpdate(input.installed, entry.version))
        page += PageText(QT_TRANSLATE_NOOP("UpdatePage", "Dieses Update ist kostenfrei.")) +
                QStringLiteral("<BR><BR>");
    else
        page += QStringLiteral("<P><FONT COLOR=#FF0000><B>%1</B></FONT><BR><A HREF=\"%2\" "
                               "TARGET=\"_blank\">%3</A><BR><BR>")
                    .arg(PageText(QT_TRANSLATE_NOOP("UpdatePage",
                                                    "Dieses Upgrade ist kostenpflichtig!")),
                         Html(home + QStringLiteral("/Preisliste.html")),
                         PageText(QT_TRANSLATE_NOOP("UpdatePage",
                                                    "Informationen zu Upgradepreisen finden Sie "
                                                    "auf der hier.")));
    page += QStringLiteral("<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=5><TR><TD "
                           "ALIGN=CENTER><FONT COLOR=#0000FF><SMALL><B>Download</B></SMALL>"
                           "</FONT></TR><TR>");
    page +=
        QStringLiteral("<TD ALIGN=CENTER><A HREF=\"%1\" onmouseover=\"window.status='%2';"
                       "return true\">%3 </A><BR><SMALL>(%4)</SMALL><BR>")
            .arg(Html(input.downloadUrl.toString(QUrl::FullyEncoded)),
                 JsInAttribute(
                     PageText(QT_TRANSLATE_NOOP("UpdatePage", "%1 Update laden")).arg(entry.name)),
                 PageText(QT_TRANSLATE_NOOP("UpdatePage", "%1 Version %2 laden"))
                     .arg(Html(entry.name), Html(entry.version)),
                 Html(entry.downloadNote)) +
        crlf;
    page +=
        QStringLiteral("<TR><TD ALIGN=CENTER COLSPAN=2><A "
                       "HREF=\"javascript:OpenWin('%1')\" "
                       "onmouseover=\"window.status='%2';return "
                       "true\">%3</A><BR>\r\n")
            .arg(JsInAttribute(entry.infoPage),
                 JsInAttribute(PageText(QT_TRANSLATE_NOOP("UpdatePage", "Versionsinformation"))),
                 PageText(QT_TRANSLATE_NOOP("UpdatePage", "Versionsinformationen")));
    page += QStringLiteral("</TR></TABLE>\r\n");
    page += QStringLiteral("<P><A HREF=\"%1\" TARGET=\"_blank\">%2</A>")
                .arg(Html(home), PageText(QT_TRANSLATE_NOOP("UpdatePage", "<B>%1</B> im Internet"))
                                     .arg(QLatin1String(kMaker))) +
            crlf;
    page += QStringLiteral("</P></CENTER></BODY></HTML>");
    return page.toUtf8();
}

Error WriteUpdatePage(const QString& path, const QByteArray& page)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const Error written = WriteFileSafely(path, page);
    if (!written)
        return Error();
    // The page's own message names the file; the writer adds the cause.
    return Error(ErrorCode::UpdatePageNotWritten)
        .inFile(path)
        .because(written.cause() ? *written.cause() : written);
}
