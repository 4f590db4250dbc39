#pragma once

// What a PDF holds, read back with the poppler tools: the words with their boxes
// in millimetres of the page (pdftotext -bbox), the text of a page and a page as
// a raster of one pixel per 0.1 mm (pdftoppm at 254 dpi). Free of any test
// framework, so that GoogleTest and Qt Test suites share it; a failure comes
// back as an empty result with the tool's message in `error`.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVector>

#include <optional>

struct PdfWord
{
    QString text;
    QRectF mm; // from the top-left corner of the page
};
using PdfPage = QVector<PdfWord>;

struct PrintedPdf
{
    QSizeF pageMm;
    QVector<PdfPage> pages;
};

inline bool PopplerToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// Runs a poppler tool; its standard output, or nothing with `error` set.
inline std::optional<QByteArray> RunPopplerTool(const char* tool, const QStringList& args,
                                                QString* error)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QLatin1String(tool)), args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("%1 failed: %2")
                         .arg(QLatin1String(tool),
                              QString::fromLocal8Bit(process.readAllStandardError()));
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// pdftotext -bbox: one <page> per page, one <word> per word, in points.
inline PrintedPdf ReadPdfWords(const QString& pdf, QString* error)
{
    constexpr double kMmPerPoint = 25.4 / 72.0;
    PrintedPdf result;
    const auto output =
        RunPopplerTool("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, error);
    if (!output)
        return result;
    const QString html = QString::fromUtf8(*output);
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            result.pageMm =
                QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * kMmPerPoint;
            result.pages.append(PdfPage());
            continue;
        }
        const QRectF points(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                            QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
        result.pages.last().append({m.captured(7), QRectF(points.topLeft() * kMmPerPoint,
                                                          points.bottomRight() * kMmPerPoint)});
    }
    return result;
}

// The text of page `page` (from 1) in reading order, rotated text included,
// white space made single blanks.
inline QString PdfPageText(const QString& pdf, int page, QString* error)
{
    const auto output =
        RunPopplerTool("pdftotext",
                       {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                        QString::number(page), pdf, QStringLiteral("-")},
                       error);
    return output ? QString::fromUtf8(*output).simplified() : QString();
}

inline std::optional<PdfWord> FindWord(const PdfPage& page, const QString& text)
{
    for (const PdfWord& w : page)
        if (w.text == text)
            return w;
    return std::nullopt;
}

inline std::optional<PdfWord> FindWord(const PdfPage& page, const char* text)
{
    return FindWord(page, QString::fromUtf8(text));
}

// Page `page` (from 1) in grey, one pixel per 0.1 mm; a null image on failure.
inline QImage RasterPdfPage(const QString& pdf, int page, QString* error)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    if (!RunPopplerTool("pdftoppm",
                        {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                         QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                         QStringLiteral("-l"), QString::number(page), pdf, prefix},
                        error))
        return QImage();
    return QImage(prefix + QStringLiteral(".pgm"));
}

// Whether a pixel darker than `grey` lies at (x, y) of a page raster or next to
// it: a hairline between two pixel columns may land on either.
inline bool DarkNear(const QImage& page, int x, int y, int grey = 128)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (qGray(page.pixel(x + dx, y + dy)) < grey)
                return true;
    return false;
}
