#pragma once

// The PDF read-back of pdfreadback.h for GoogleTest suites: a fixture that skips
// where the poppler tools are missing, a tool that fails fails the test, and the
// check that a word starts where its box does.

#include "pdfreadback.h"

#include <gtest/gtest.h>

#include <string>

// Where pdftotext puts a word against where the box text starts: the glyphs'
// own side bearing and the font's ascent as the PDF records it.
inline constexpr double kWordToleranceMm = 0.3;

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

inline PrintedPdf ReadPdfWords(const QString& pdf)
{
    QString error;
    PrintedPdf result = ReadPdfWords(pdf, &error);
    if (!error.isEmpty())
        ADD_FAILURE() << error.toStdString();
    return result;
}

inline QString PdfPageText(const QString& pdf, int page)
{
    QString error;
    const QString text = PdfPageText(pdf, page, &error);
    if (!error.isEmpty())
        ADD_FAILURE() << error.toStdString();
    return text;
}

// Page `page` (from 1) in grey, one pixel per 0.1 mm; a null image on failure.
inline QImage RasterPdfPage(const QString& pdf, int page = 1)
{
    QString error;
    QImage image = RasterPdfPage(pdf, page, &error);
    if (!error.isEmpty())
        ADD_FAILURE() << error.toStdString();
    return image;
}

// That the word was printed and starts, left and top, at (xMm, yMm).
inline void ExpectStartsAt(const std::optional<PdfWord>& word, double xMm, double yMm,
                           const std::string& what)
{
    ASSERT_TRUE(word.has_value()) << what << ": text not printed";
    EXPECT_NEAR(word->mm.left(), xMm, kWordToleranceMm) << what;
    EXPECT_NEAR(word->mm.top(), yMm, kWordToleranceMm) << what;
}
