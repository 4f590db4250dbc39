#include "core/update/updatepage.h"

#include "core/files/safewrite.h"

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

// Layout of the page, step by step in the order the browser shows it.
QByteArray BuildUpdatePage(const UpdatePageInput& input)
{
    const UpdateIndexEntry& entry = input.entry;
    const QString home = Base(input.homePage);
    const QString crlf = QStringLiteral("\r\n");
    QString page;

    page += QStringLiteral("<!DOCTYPE HTML PUBLIC><HTML><HEAD>"
                           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                           "charset=utf-8\"><TITLE>%1 - Programm-Update</TITLE>")
                .arg(QLatin1String(kMaker)) +
            crlf;
    page += QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript\">\r\n"
                           "<!--\r\nfunction OpenWin(Item)\r\n{\r\n");
    page += QStringLiteral("window.open('%1/' + Item + '.html', Item, "
                           "'toolbar=no,directories=no,menubar=no,width=600,height=350,"
                           "resizable=yes,scrollbars=yes');")
                .arg(JsInAttribute(home)) +
            crlf;
    page += QStringLiteral("}\r\n//-->\r\n</script>\r\n</HEAD>\r\n");
    page += QStringLiteral("<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> Update für %1 auf "
                           "Ihren Rechner laden </B></FONT>\r\n")
                .arg(Html(entry.name));
    page += QStringLiteral(
                "<BR><BR>Laden Sie die Datei auf Ihren Rechner und f&uuml;hren Sie diese aus. "
                "Beenden Sie vorher das Programm, das Sie aktualisieren möchten.<BR>Sie "
                "installieren damit die aktualisierte Fassung über Ihre bestehende Version "
                "(%1) und sind auf dem aktuellen Stand.<BR>\r\n")
                .arg(FormatIndexVersion(input.installed));
    if (IsFreeUpdate(input.installed, entry.version))
        page += QStringLiteral("Dieses Update ist kostenfrei.<BR><BR>");
    else
        page += QStringLiteral("<P><FONT COLOR=#FF0000><B>Dieses Upgrade ist "
                               "kostenpflichtig!</B></FONT><BR><A HREF=\"%1\" "
                               "TARGET=\"_blank\">Informationen zu Upgradepreisen finden Sie "
                               "auf der hier.</A><BR><BR>")
                    .arg(Html(home + QStringLiteral("/Preisliste.html")));
    page += QStringLiteral("<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=5><TR><TD "
                           "ALIGN=CENTER><FONT COLOR=#0000FF><SMALL><B>Download</B></SMALL>"
                           "</FONT></TR><TR>");
    page +=
        QStringLiteral("<TD ALIGN=CENTER><A HREF=\"%1\" onmouseover=\"window.status='%2 "
                       "Update laden';return true\">%3 Version %4 laden </A>"
                       "<BR><SMALL>(%5)</SMALL><BR>")
            .arg(Html(input.downloadUrl.toString(QUrl::FullyEncoded)), JsInAttribute(entry.name),
                 Html(entry.name), Html(entry.version), Html(entry.downloadNote)) +
        crlf;
    page += QStringLiteral("<TR><TD ALIGN=CENTER COLSPAN=2><A "
                           "HREF=\"javascript:OpenWin('%1')\" "
                           "onmouseover=\"window.status='Versionsinformation';return "
                           "true\">Versionsinformationen</A><BR>\r\n")
                .arg(JsInAttribute(entry.infoPage));
    page += QStringLiteral("</TR></TABLE>\r\n");
    page += QStringLiteral("<P><A HREF=\"%1\" TARGET=\"_blank\"><B>%2</B> im Internet</A>")
                .arg(Html(home), QLatin1String(kMaker)) +
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
