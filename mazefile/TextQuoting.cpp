#include "TextQuoting.h"

#include "Cp932.h"

#include <QHash>
#include <QList>

namespace orvane::MazeText {
namespace {

constexpr char16_t Quote = u'"';
constexpr char16_t Backslash = u'\\';
constexpr int HexDigits = 2;
constexpr int HexBase = 16;

// A byte that starts a two-byte character of code page 932.
bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isPlainAscii(uchar b)
{
    return b >= 0x20 && b < 0x7F && b != Quote && b != Backslash;
}

// The character the bytes are, when it is a visible one that converts back
// to exactly them; empty otherwise. Each answer is kept: a converter per
// character would make a long text slow.
QString characterOf(const QByteArray& unit)
{
    thread_local QHash<QByteArray, QString> known;
    if (const auto it = known.constFind(unit); it != known.constEnd())
        return *it;
    QString& answer = known[unit];
    const QString text = Cp932::toUnicode(unit);
    const QList<uint> code = text.toUcs4();
    bool lossless = false;
    if (code.size() == 1 && QChar::isPrint(code[0]) &&
        Cp932::fromUnicode(text, &lossless) == unit && lossless)
        answer = text;
    return answer;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The first character of `text` that code page 932 cannot hold.
QString firstNotCp932(const QString& text)
{
    for (const uint c : text.toUcs4()) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        bool lossless = false;
        Cp932::fromUnicode(one, &lossless);
        if (!lossless)
            return one;
    }
    return text;
}

} // namespace

QString quote(const QByteArray& bytes)
{
    QString out(1, Quote);
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = uchar(bytes[i]);
        if (isPlainAscii(b)) {
            out += QChar(b);
            ++i;
        } else if (b == Quote || b == Backslash) {
            out += QChar(Backslash);
            out += QChar(b);
            ++i;
        } else if (const qsizetype length = isLeadByte(b) && i + 1 < bytes.size() ? 2 : 1;
                   b >= 0x80 && !characterOf(bytes.mid(i, length)).isEmpty()) {
            out += characterOf(bytes.mid(i, length)); // kept from the test before
            i += length;
        } else {
            out += QStringLiteral("\\x") +
                   QStringLiteral("%1").arg(b, HexDigits, HexBase, QChar(u'0')).toUpper();
            ++i;
        }
    }
    return out + QChar(Quote);
}

Unquoted unquote(QStringView value)
{
    Unquoted u;
    auto fail = [&](Unquoted::Fault fault, QString detail = {}) {
        u.fault = fault;
        u.detail = std::move(detail);
        u.bytes.clear();
        return std::move(u);
    };
    if (value.size() < 2 || value.front() != Quote || value.back() != Quote)
        return fail(Unquoted::Fault::NotQuoted);
    const QStringView inner = value.sliced(1, value.size() - 2);
    QString plain; // characters waiting to be converted together
    auto flush = [&] {
        bool lossless = true;
        u.bytes += Cp932::fromUnicode(plain, &lossless);
        return lossless;
    };
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c == Quote)
            return fail(Unquoted::Fault::NotQuoted);
        if (c != Backslash) {
            plain += c;
            continue;
        }
        if (!flush())
            return fail(Unquoted::Fault::NotCp932, firstNotCp932(plain));
        plain.clear();
        const QStringView rest = inner.sliced(i + 1);
        if (rest.startsWith(Backslash) || rest.startsWith(Quote)) {
            u.bytes += char(rest.front().unicode());
            ++i;
        } else if (rest.size() > HexDigits && rest.front() == u'x' && isHexDigit(rest[1]) &&
                   isHexDigit(rest[2])) {
            u.bytes += char(rest.sliced(1, HexDigits).toUInt(nullptr, HexBase));
            i += 1 + HexDigits;
        } else {
            return fail(Unquoted::Fault::BadEscape,
                        inner.sliced(i, std::min<qsizetype>(1 + 1 + HexDigits, inner.size() - i))
                            .toString());
        }
    }
    if (!flush())
        return fail(Unquoted::Fault::NotCp932, firstNotCp932(plain));
    return u;
}

} // namespace orvane::MazeText
