#include "platform/CellText.h"

#include <QFile>

#include <array>

namespace zorozod {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString CellToText(std::string_view cell) {
    QString text(static_cast<qsizetype>(cell.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : cell) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte});
    }
    return text;
}

std::string TextToCell(const QString& text) {
    std::string cell;
    cell.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            cell += static_cast<char>(u);
            continue;
        }
        char byte = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i)
            if (kHighControls[i] == u) byte = static_cast<char>(0x80 + i);
        cell += byte;
    }
    return cell;
}

#ifdef _WIN32
// The core holds file names as UTF-8 there and hands them to the system as UTF-16.
QString PathToText(const std::string& path) { return QString::fromStdString(path); }
std::string TextToPath(const QString& text) { return text.toStdString(); }
#else
QString PathToText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string TextToPath(const QString& text) { return QFile::encodeName(text).toStdString(); }
#endif

}  // namespace zorozod
