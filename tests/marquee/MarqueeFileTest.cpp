#include <gtest/gtest.h>

#include <QFile>

#include "marquee/MarqueeFile.h"
#include "marquee/TextDecoding.h"
#include "support/TempDir.h"

namespace {

QString WriteFile(const TempDir& dir, const QByteArray& bytes, const QString& name = "lines.txt") {
    const QString path = dir.File(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// Reads `count` lines in a row, as the marquee does period after period.
QStringList ReadLines(const QString& path, int count, qint64 start = 0) {
    QStringList lines;
    qint64 position = start;
    for (int i = 0; i < count; ++i) {
        const MarqueeLineRead read = ReadMarqueeLine(path, position);
        EXPECT_TRUE(read.ok) << read.error.toStdString();
        lines << read.text;
        position = read.nextPosition;
    }
    return lines;
}

}  // namespace

TEST(ReadMarqueeLine, CrLfFileCyclesThroughItsLinesWithCrLfByteOffsets) {
    TempDir dir;
    const QString path = WriteFile(dir, "A\r\nBB\r\nCCC\r\n");
    MarqueeLineRead read = ReadMarqueeLine(path, 0);
    EXPECT_EQ(read.text, "A");
    EXPECT_EQ(read.nextPosition, 3);
    read = ReadMarqueeLine(path, read.nextPosition);
    EXPECT_EQ(read.text, "BB");
    EXPECT_EQ(read.nextPosition, 7);
    EXPECT_EQ(ReadLines(path, 7), QStringList({"A", "BB", "CCC", "A", "BB", "CCC", "A"}));
}

TEST(ReadMarqueeLine, LfFileKeepsToTheStartsOfItsLines) {
    TempDir dir;
    const QString path = WriteFile(dir, "first\nsecond\nthird\n");
    EXPECT_EQ(ReadLines(path, 4), QStringList({"first", "second", "third", "first"}));
    EXPECT_EQ(ReadMarqueeLine(path, 0).nextPosition, 6);
}

TEST(ReadMarqueeLine, LastLineWithoutLineEndAndMixedEndings) {
    TempDir dir;
    const QString path = WriteFile(dir, "one\r\ntwo\nthree");
    EXPECT_EQ(ReadLines(path, 4), QStringList({"one", "two", "three", "one"}));
}

TEST(ReadMarqueeLine, EmptyLinesArePassedLikeAnyOther) {
    TempDir dir;
    const QString path = WriteFile(dir, "\r\nsecond\r\n\nfourth\r\n");
    EXPECT_EQ(ReadLines(path, 5), QStringList({"", "second", "", "fourth", ""}));
}

TEST(ReadMarqueeLine, EmptyFileGivesEmptyTextAtPositionZero) {
    TempDir dir;
    const QString path = WriteFile(dir, "");
    const MarqueeLineRead read = ReadMarqueeLine(path, 0);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.text, "");
    EXPECT_EQ(read.nextPosition, 0);
    EXPECT_EQ(ReadMarqueeLine(path, 25).nextPosition, 0);
}

TEST(ReadMarqueeLine, PositionPastTheEndStartsOverAtTheFirstLine) {
    TempDir dir;
    const QString path = WriteFile(dir, "A\r\nB\r\n");
    const MarqueeLineRead read = ReadMarqueeLine(path, 500);
    EXPECT_EQ(read.text, "A");
    EXPECT_EQ(read.nextPosition, 3);
    EXPECT_EQ(ReadMarqueeLine(path, -4).text, "A");
}

TEST(ReadMarqueeLine, DecodesUtf8AndFallsBackToWindows1252PerLine) {
    TempDir dir;
    const QString path = WriteFile(dir,
                                   "\xEF\xBB\xBF"
                                   "Caf\xC3\xA9 \xE2\x82\xAC\r\nCaf\xE9 \x80 \x93\r\n");
    const MarqueeLineRead first = ReadMarqueeLine(path, 0);
    EXPECT_EQ(first.text, QString::fromUtf8("Café €"));  // the byte-order mark skipped
    EXPECT_EQ(first.nextPosition, 14);
    EXPECT_EQ(ReadMarqueeLine(path, first.nextPosition).text, QString::fromUtf8("Café € “"));
}

TEST(ReadMarqueeLine, VeryLongLineIsCutButTheNextLineStillFollows) {
    TempDir dir;
    const QByteArray longLine(kMaxMarqueeLineBytes * 2 + 17, 'x');
    const QString path = WriteFile(dir, longLine + "\nnext\n");
    const MarqueeLineRead read = ReadMarqueeLine(path, 0);
    EXPECT_EQ(read.text.size(), kMaxMarqueeLineBytes);
    EXPECT_EQ(read.nextPosition, longLine.size() + 1);
    EXPECT_EQ(ReadMarqueeLine(path, read.nextPosition).text, "next");
}

TEST(ReadMarqueeLine, MissingFileGivesAnErrorNamingItAndKeepsThePosition) {
    TempDir dir;
    const QString path = dir.File("gone.txt");
    const MarqueeLineRead read = ReadMarqueeLine(path, 12);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.error.contains(path)) << read.error.toStdString();
    EXPECT_EQ(read.nextPosition, 12);

    const MarqueeLineRead folder = ReadMarqueeLine(dir.Path(), 0);
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(folder.error.contains(dir.Path()));

    const MarqueeLineRead unnamed = ReadMarqueeLine(QString(), 0);
    EXPECT_FALSE(unnamed.ok);
    EXPECT_FALSE(unnamed.error.isEmpty());
}

TEST(DecodeEightBitText, KeepsValidUtf8AndDropsOnlyACutOffTail) {
    EXPECT_EQ(DecodeEightBitText("plain"), "plain");
    EXPECT_EQ(DecodeEightBitText("\xE2\x82\xAC"), QString::fromUtf8("€"));
    // The euro sign cut after two of its three bytes.
    EXPECT_EQ(DecodeEightBitText("ab\xE2\x82"), "ab");
    EXPECT_EQ(DecodeEightBitText("\x80\x9F\xFF"), QString::fromUtf8("€Ÿÿ"));
    // An invalid byte in the middle sends the whole text to Windows-1252.
    EXPECT_EQ(DecodeEightBitText("\xE9t\xE9"), QString::fromUtf8("été"));
}
