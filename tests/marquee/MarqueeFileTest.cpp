// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>

#include "marquee/MarqueeFile.h"
#include "marquee/TextDecoding.h"
#include "support/Golden.h"
#include "support/RowName.h"
#include "support/TempDir.h"

namespace {
struct FileRow {
    const char* name;
    const char* file;
    int count;
    const char* lines;
    qint64 secondLineAt;
};

class MarqueeFileTable : public ::testing::TestWithParam<FileRow> {};

TEST_P(MarqueeFileTable, CyclesThroughItsLines) {
    const FileRow& r = GetParam();
    const QString path = GoldenPath(QLatin1String(r.file));
    // `count` lines in a row from the start, as the marquee reads them period
    // after period.
    QStringList lines;
    for (qint64 i = 0, position = 0; i < r.count; ++i) {
        const MarqueeLineRead read = ReadMarqueeLine(path, position);
        EXPECT_TRUE(read.ok) << read.error.toStdString();
        lines << read.text;
        position = read.nextPosition;
    }
    EXPECT_EQ(lines.join(QLatin1Char('|')), QString::fromUtf8(r.lines));
    EXPECT_EQ(ReadMarqueeLine(path, 0).nextPosition, r.secondLineAt);
    // A position outside the file starts over at the first line.
    for (const qint64 outside : {qint64(-4), qint64(1) << 20})
        EXPECT_EQ(ReadMarqueeLine(path, outside).text, ReadMarqueeLine(path, 0).text);
}

INSTANTIATE_TEST_SUITE_P(
    ReadMarqueeLine, MarqueeFileTable,
    ::testing::Values(FileRow{"CrLf", "marquee-crlf.txt", 7, "A|BB|CCC|A|BB|CCC|A", 3},
                      FileRow{"Lf", "marquee-lf.txt", 4, "first|second|third|first", 6},
                      FileRow{"MixedWithoutLastEnd", "marquee-mixed-no-last-end.txt", 4,
                              "one|two|three|one", 5},
                      FileRow{"EmptyLines", "marquee-empty-lines.txt", 5, "|second||fourth|", 2},
                      FileRow{"EmptyFile", "marquee-empty.txt", 2, "|", 0},
                      // The byte-order mark is skipped; a line that is not UTF-8 is Windows-1252.
                      FileRow{"Utf8ThenWindows1252", "marquee-bom-utf8-then-cp1252.txt", 2,
                              "Café €|Café € “", 14}),
    RowName());

// A very long line is cut, but the next line still follows; unreadable files
// give an error naming them and keep the position.
TEST(ReadMarqueeLine, LongLinesAreCutAndUnreadableFilesNamedInTheError) {
    TempDir dir;
    const QByteArray longLine(kMaxMarqueeLineBytes * 2 + 17, 'x');
    const QString path = dir.Write("long.txt", longLine + "\nnext\n");
    const MarqueeLineRead read = ReadMarqueeLine(path, 0);
    EXPECT_EQ(read.text.size(), kMaxMarqueeLineBytes);
    EXPECT_EQ(read.nextPosition, longLine.size() + 1);
    EXPECT_EQ(ReadMarqueeLine(path, read.nextPosition).text, "next");
    // A FIFO would block the open and a device never ends.
    const QString fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& bad :
         {dir.File("gone.txt"), dir.Path(), QString(), fifo, QStringLiteral("/dev/zero")}) {
        const MarqueeLineRead failed = ReadMarqueeLine(bad, 12);
        EXPECT_FALSE(failed.ok);
        EXPECT_TRUE(failed.error.contains(bad) && !failed.error.isEmpty())
            << failed.error.toStdString();
        EXPECT_EQ(failed.nextPosition, 12);
    }
    // Eight-bit text keeps valid UTF-8 and drops only a cut-off tail.
    const std::pair<const char*, const char*> cases[] = {{"plain", "plain"},
                                                         {"\xE2\x82\xAC", "€"},
                                                         {"ab\xE2\x82", "ab"},
                                                         {"\x80\x9F\xFF", "€Ÿÿ"},
                                                         {"\xE9t\xE9", "été"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DecodeEightBitText(bytes), QString::fromUtf8(text)) << text;
}

}  // namespace
