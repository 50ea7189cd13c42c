// The user manual the build writes from docs/manual: a whole PDF with a page per chapter and its screenshots.

#ifdef VIMO_MANUAL_PDF

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(ManualPdf, isAWholePdf_withItsChaptersAndScreenshots)
{
    QFile file(QStringLiteral(VIMO_MANUAL_PDF));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VIMO_MANUAL_PDF;
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF")) << "written to its end";

    const QString text = QString::fromLatin1(pdf);
    // "/Type /Pages" is the page tree, not a page.
    const qsizetype pages = text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
    EXPECT_GE(pages, 10) << "each chapter starts a page";
    // A screenshot that did not resolve next to the Markdown would be missing here (the tool refuses to write then).
    EXPECT_GE(text.count(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))), 6);
    EXPECT_GT(pdf.size(), 100 * 1024);
}

#endif
