// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// One record's values as fetched. The texts are UTF-8 bytes, a null view for
// SQL NULL; they stay valid until the rows they come from change.
struct DiaryRowView {
    int id = 0;
    QByteArrayView eventDate;
    QByteArrayView eventDescription;
    QByteArrayView eventSound;
    QByteArrayView eventTime;
    bool pubHoliday = false;
    bool nag = false;
};

// A stored text as the recordset's members hold it: NULL as a null string.
QString DecodedText(QByteArrayView utf8);

// The fetched rows of a selection, in order. The texts of all rows share one
// buffer as the bytes SQLite gave, so reading the whole table makes no string
// per value; a value becomes a QString only when a reader asks for it.
class CDiaryRows {
public:
    bool Empty() const { return m_rows.empty(); }
    int Size() const { return static_cast<int>(m_rows.size()); }
    void Clear();
    // Room for about as many rows and text bytes as `other` holds.
    void ReserveLike(const CDiaryRows& other);

    // The row's texts are copied; they must not point into these rows.
    void Append(const DiaryRowView& row);
    void Replace(int index, const DiaryRowView& row);
    void Erase(int index);

    DiaryRowView At(int index) const;
    int IdAt(int index) const { return m_rows[static_cast<std::size_t>(index)].id; }
    // The index of the row with this ID; -1 when there is none.
    int IndexOfId(int id) const;

private:
    struct Text {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };
    struct Row {
        int id = 0;
        Text eventDate;
        Text eventDescription;
        Text eventSound;
        Text eventTime;
        bool pubHoliday = false;
        bool nag = false;
    };

    Row Store(const DiaryRowView& row);
    Text StoreText(QByteArrayView text);
    QByteArrayView TextAt(const Text& text) const;

    std::vector<Row> m_rows;
    // A replaced or erased row leaves its bytes here until the next fetch.
    std::string m_bytes;
};
