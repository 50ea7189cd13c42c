// vimo-manual-pdf: turns the user manual, written in Markdown, into the PDF that Vimo's "Manual" opens. It runs at
// build time with Qt alone: the Markdown is laid out by QTextDocument and printed into a QPdfWriter, with the images
// the Markdown names resolved relative to its own folder.
//
//   vimo-manual-pdf MANUAL.md OUTPUT.pdf

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <cstdio>

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "vimo-manual-pdf: %s\n", qPrintable(text));
    return 1;
}

// Each chapter (a second-level heading) starts on a page of its own.
void breakBeforeChapters(QTextDocument& document)
{
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 2)
            continue;
        if (first) {
            first = false;
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

// Every image named by the Markdown is read from the Markdown's folder and named by its full path (printing lays out
// a copy of the document, which would not find a relative name), and one wider than the text is shown at the text's
// width, keeping its proportions. False when an image cannot be read: a manual with holes is not written.
bool placeImages(QTextDocument& document, const QDir& folder, qreal textWidth, QString& missing)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString path = QDir::cleanPath(folder.absoluteFilePath(format.name()));
            const QImage image(path);
            if (image.isNull()) {
                missing = format.name();
                return false;
            }
            format.setName(path);
            if (image.width() > textWidth) {
                format.setWidth(textWidth);
                format.setHeight(textWidth * image.height() / image.width());
            }
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: vimo-manual-pdf MANUAL.md OUTPUT.pdf"));
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(args.at(1), source.errorString()));

    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    breakBeforeChapters(document);

    // A4 with 20 mm margins; the layout works in points at 72 per inch, the writer paints at 300 dots per inch.
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                             QPageLayout::Millimeter);
    const qreal textWidth = layout.paintRect(QPageLayout::Point).width() * 96.0 / 72.0;
    QString missing;
    if (!placeImages(document, QFileInfo(source).absoluteDir(), textWidth, missing))
        return fail(QStringLiteral("cannot read the image %1").arg(missing));

    // The PDF is written whole or not at all: a failed build leaves no truncated manual to install.
    QSaveFile output(args.at(2));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), output.errorString()));
    {
        QPdfWriter writer(&output);
        writer.setPageLayout(layout);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Vimo Manual"));
        writer.setCreator(QStringLiteral("Vimo"));
        document.print(&writer);
    }
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), output.errorString()));
    return 0;
}
