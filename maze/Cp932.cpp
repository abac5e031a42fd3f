#include "Cp932.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace orvane::Cp932 {
namespace {

// One iconv conversion descriptor, closed when the converter goes.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts input; on an invalid or unconvertible sequence of the input,
    // appends replacement and skips skipBytes of input (at least one).
    QByteArray convert(QByteArrayView input, QByteArrayView replacement, size_t skipBytes,
                       bool* lossless)
    {
        QByteArray out;
        if (lossless)
            *lossless = true;
        if (!valid())
            return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);

        char* in = const_cast<char*>(input.data());
        size_t inLeft = size_t(input.size());
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != size_t(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: an invalid, unconvertible or cut-off sequence.
            if (lossless)
                *lossless = false;
            out.append(replacement.data(), replacement.size());
            const size_t skip = std::min(skipBytes, inLeft);
            in += skip;
            inLeft -= skip;
        }
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

bool isAvailable()
{
    return Converter("UTF-16LE", "CP932").valid() && Converter("CP932", "UTF-32LE").valid();
}

QString toUnicode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    Converter conv("UTF-16LE", "CP932");
    static constexpr char16_t ReplacementChar = u'\uFFFD';
    const QByteArray utf16 = conv.convert(
        bytes, QByteArrayView(reinterpret_cast<const char*>(&ReplacementChar), 2), 1, nullptr);
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

QByteArray fromUnicode(const QString& text, bool* lossless)
{
    if (text.isEmpty()) {
        if (lossless)
            *lossless = true;
        return {};
    }
    // UTF-32 input so that one unconvertible character is exactly four bytes,
    // surrogate pairs included.
    const QList<uint> ucs4 = text.toUcs4();
    QByteArray utf32;
    utf32.reserve(ucs4.size() * 4);
    for (uint c : ucs4) {
        for (int shift = 0; shift < 32; shift += 8)
            utf32.append(char((c >> shift) & 0xFF));
    }
    Converter conv("CP932", "UTF-32LE");
    return conv.convert(utf32, "?", 4, lossless);
}

} // namespace orvane::Cp932
