#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

// The calculation's UTF-16 texts and Qt's strings, one into the other without conversion.

inline QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A view of the text, valid while the string lives unchanged.
inline std::u16string_view viewOf(const QString &text)
{
    const QStringView view(text);
    return {view.utf16(), static_cast<std::size_t>(view.size())};
}
