// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryRows.h"

#include <QCoreApplication>
#include <limits>

#include "diary/DiaryError.h"

namespace {
// The offset that marks SQL NULL, told apart from an empty text.
constexpr std::uint32_t kNullOffset = std::numeric_limits<std::uint32_t>::max();
}  // namespace

QString DecodedText(QByteArrayView utf8) {
    return utf8.isNull() ? QString() : QString::fromUtf8(utf8);
}

void CDiaryRows::Clear() {
    m_rows.clear();
    m_bytes.clear();
}

void CDiaryRows::ReserveLike(const CDiaryRows& other) {
    m_rows.reserve(other.m_rows.size());
    m_bytes.reserve(other.m_bytes.size());
}

void CDiaryRows::Append(const DiaryRowView& row) {
    m_rows.push_back(Store(row));
}

void CDiaryRows::Replace(int index, const DiaryRowView& row) {
    m_rows[static_cast<std::size_t>(index)] = Store(row);
}

void CDiaryRows::Erase(int index) {
    m_rows.erase(m_rows.begin() + index);
}

DiaryRowView CDiaryRows::At(int index) const {
    const Row& row = m_rows[static_cast<std::size_t>(index)];
    return DiaryRowView{row.id,
                        TextAt(row.eventDate),
                        TextAt(row.eventDescription),
                        TextAt(row.eventSound),
                        TextAt(row.eventTime),
                        row.pubHoliday,
                        row.nag};
}

int CDiaryRows::IndexOfId(int id) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

CDiaryRows::Row CDiaryRows::Store(const DiaryRowView& row) {
    return Row{row.id,
               StoreText(row.eventDate),
               StoreText(row.eventDescription),
               StoreText(row.eventSound),
               StoreText(row.eventTime),
               row.pubHoliday,
               row.nag};
}

CDiaryRows::Text CDiaryRows::StoreText(QByteArrayView text) {
    if (text.isNull())
        return Text{kNullOffset, 0};
    // Offsets are 32-bit to keep a row small; no diary that fits in memory
    // comes near, but a larger one must fail rather than wrap.
    constexpr qsizetype kLimit = std::numeric_limits<std::uint32_t>::max() - 1;
    if (text.size() > kLimit - static_cast<qsizetype>(m_bytes.size()))
        throw CDatabaseError(QCoreApplication::translate(
            "Diary", "The diary's texts are too large to read at once."));
    const Text stored{static_cast<std::uint32_t>(m_bytes.size()),
                      static_cast<std::uint32_t>(text.size())};
    m_bytes.append(text.data(), static_cast<std::size_t>(text.size()));
    return stored;
}

QByteArrayView CDiaryRows::TextAt(const Text& text) const {
    if (text.offset == kNullOffset)
        return {};
    // Never null for a stored text, even an empty one at the buffer's end.
    static const char kEmpty = '\0';
    if (text.size == 0)
        return QByteArrayView(&kEmpty, 0);
    return QByteArrayView(m_bytes.data() + text.offset, text.size);
}
