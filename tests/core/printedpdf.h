#pragma once

// What a printed PDF holds, read back with the poppler tools: the words with
// their boxes in millimetres of the page (pdftotext -bbox), and a page as a
// raster of one pixel per 0.1 mm (pdftoppm at 254 dpi), so that marks and
// crosses are checked where the paper gets them.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVector>

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

// Where pdftotext puts a word against where the box text starts: the glyphs'
// own side bearing and the font's ascent as the PDF records it.
inline constexpr double kWordToleranceMm = 0.3;

inline bool PopplerToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The base of the fixtures that read printed PDFs back: skipped where the
// poppler tools are missing.
class PrintedPdfTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!PopplerToolsInstalled())
            GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed; "
                            "scripts/deps.sh installs them";
    }
};

// pdftotext -bbox: one <page> per page, one <word> per word, in points.
inline PrintedPdf ReadPdfWords(const QString& pdf)
{
    constexpr double kMmPerPoint = 25.4 / 72.0;
    PrintedPdf result;
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << process.readAllStandardError().toStdString();
        return result;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
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

// That the word was printed and starts, left and top, at (xMm, yMm).
inline void ExpectStartsAt(const std::optional<PdfWord>& word, double xMm, double yMm,
                           const std::string& what)
{
    ASSERT_TRUE(word.has_value()) << what << ": text not printed";
    EXPECT_NEAR(word->mm.left(), xMm, kWordToleranceMm) << what;
    EXPECT_NEAR(word->mm.top(), yMm, kWordToleranceMm) << what;
}

// Page `page` (from 1) in grey, one pixel per 0.1 mm; a null image on failure.
inline QImage RasterPdfPage(const QString& pdf, int page = 1)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
                  {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                   QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), pdf, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed: " << process.readAllStandardError().toStdString();
        return QImage();
    }
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
