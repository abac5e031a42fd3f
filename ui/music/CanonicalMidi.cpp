#include "CanonicalMidi.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr QByteArrayView HeaderId("MThd");
constexpr QByteArrayView TrackId("MTrk");
constexpr quint32 HeaderLength = 6; // format, track count, division
constexpr int ChunkIdSize = 4;
constexpr int ChunkLengthSize = 4;
constexpr quint16 MaxFormat = 2;
constexpr quint16 SequencesFormat = 2;       // independent sequences, one per track
constexpr quint16 SmpteDivisionBit = 0x8000; // FluidSynth plays metrical time only
constexpr int MaxVariableLengthBytes = 4;

constexpr quint8 StatusBit = 0x80;
constexpr quint8 DataBits = 0x7f;
constexpr quint8 FirstSystemStatus = 0xf0;
constexpr quint8 SysEx = 0xf0;
constexpr quint8 SysExEscape = 0xf7; // also ends a system exclusive message
constexpr quint8 Meta = 0xff;
constexpr quint8 EndOfTrack = 0x2f;
constexpr quint8 SetTempo = 0x51;
constexpr qsizetype TempoLength = 3;

// Reads front to back inside fixed bounds. A read past them fails the reader
// for good: it returns zeros and empty views from then on.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }

    quint8 peek()
    {
        if (!ok_ || atEnd())
            return fail();
        return quint8(bytes_[at_]);
    }

    quint8 byte()
    {
        const quint8 value = peek();
        if (ok_)
            ++at_;
        return value;
    }

    quint32 bigEndian(int size)
    {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | byte();
        return value;
    }

    // At most four bytes, the last without its top bit.
    quint32 variableLength()
    {
        quint32 value = 0;
        for (int i = 0; i < MaxVariableLengthBytes && ok_; ++i) {
            const quint8 b = byte();
            value = value << 7 | (b & DataBits);
            if (!(b & StatusBit))
                return value;
        }
        return fail();
    }

    QByteArrayView take(quint32 size)
    {
        if (!ok_ || size > quint64(bytes_.size() - at_)) {
            fail();
            return {};
        }
        const QByteArrayView part = bytes_.sliced(at_, qsizetype(size));
        at_ += qsizetype(size);
        return part;
    }

private:
    quint8 fail()
    {
        ok_ = false;
        return 0;
    }

    QByteArrayView bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

void appendBigEndian(QByteArray& out, quint32 value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        out.append(char(value >> shift & 0xff));
}

void appendVariableLength(QByteArray& out, quint32 value)
{
    char bytes[MaxVariableLengthBytes];
    int size = 0;
    do {
        bytes[size++] = char(value & DataBits);
        value >>= 7;
    } while (value);
    for (int i = size - 1; i >= 0; --i)
        out.append(char(bytes[i] | (i ? StatusBit : 0)));
}

bool isDataByte(char c)
{
    return !(quint8(c) & StatusBit);
}

int channelDataBytes(quint8 status)
{
    constexpr quint8 ProgramChange = 0xc0;
    constexpr quint8 ChannelPressure = 0xd0;
    const quint8 kind = status & 0xf0;
    return kind == ProgramChange || kind == ChannelPressure ? 1 : 2;
}

// A whole message, data bytes closed by the end byte: FluidSynth takes it
// alone. The first part of a message split into packets is not.
bool isCompleteSysEx(QByteArrayView body)
{
    return body.size() >= 2 && quint8(body.back()) == SysExEscape &&
           std::all_of(body.begin(), body.end() - 1, isDataByte);
}

// Zero is no tempo: FluidSynth would divide by it.
bool isTempo(QByteArrayView data)
{
    return data.size() == TempoLength &&
           std::any_of(data.begin(), data.end(), [](char c) { return c != 0; });
}

// The events of one track chunk, rewritten; nothing when they run past it.
class TrackRebuild {
public:
    explicit TrackRebuild(QByteArrayView chunk) : in_(chunk) {}

    std::optional<QByteArray> run()
    {
        bool ended = false;
        while (!ended && !in_.atEnd()) {
            tick_ += in_.variableLength();
            if (tick_ > MaxMidiTick || !readEvent(ended) || !in_.ok())
                return std::nullopt;
        }
        const char endOfTrack[] = {char(Meta), char(EndOfTrack), 0};
        write(QByteArrayView(endOfTrack, sizeof endOfTrack));
        return out_;
    }

private:
    // False for bytes that are no event of a file.
    bool readEvent(bool& ended)
    {
        quint8 status = in_.peek();
        if (status & StatusBit)
            in_.byte();
        else if (runningStatus_)
            status = runningStatus_; // meta and system exclusive events leave it
        else
            return false;

        if (status < FirstSystemStatus) {
            runningStatus_ = status;
            const QByteArrayView data = in_.take(quint32(channelDataBytes(status)));
            if (!std::all_of(data.begin(), data.end(), isDataByte))
                return false;
            const char head = char(status);
            write(QByteArrayView(&head, 1), data);
            return true;
        }
        if (status == SysEx || status == SysExEscape) {
            const QByteArrayView body = in_.take(in_.variableLength());
            if (status == SysEx && isCompleteSysEx(body)) {
                QByteArray head(1, char(SysEx));
                appendVariableLength(head, quint32(body.size()));
                write(head, body);
            }
            return true;
        }
        if (status == Meta) {
            const quint8 type = in_.byte();
            const QByteArrayView data = in_.take(in_.variableLength());
            if (type == EndOfTrack)
                ended = true;
            else if (type == SetTempo && isTempo(data)) {
                const char tempo[] = {char(Meta), char(SetTempo), char(TempoLength)};
                write(QByteArrayView(tempo, sizeof tempo), data);
            }
            return true;
        }
        return false; // system common and real-time messages have no place here
    }

    void write(QByteArrayView head, QByteArrayView data = {})
    {
        appendVariableLength(out_, quint32(tick_ - writtenTick_));
        out_.append(head).append(data);
        writtenTick_ = tick_;
    }

    ByteReader in_;
    QByteArray out_;
    quint64 tick_ = 0;
    quint64 writtenTick_ = 0;
    quint8 runningStatus_ = 0;
};

} // namespace

std::optional<QByteArray> canonicalMidiFile(QByteArrayView bytes)
{
    ByteReader in(bytes);
    if (in.take(ChunkIdSize) != HeaderId)
        return std::nullopt;
    const quint32 headerLength = in.bigEndian(ChunkLengthSize);
    ByteReader header(in.take(headerLength));
    const quint16 format = quint16(header.bigEndian(2));
    const quint16 tracks = quint16(header.bigEndian(2));
    const quint16 division = quint16(header.bigEndian(2));
    if (!in.ok() || !header.ok() || format > MaxFormat || tracks == 0 || tracks > MaxMidiTracks ||
        division == 0 || (division & SmpteDivisionBit))
        return std::nullopt;
    const int kept = format == SequencesFormat ? 1 : tracks;

    QByteArray trackChunks;
    for (int found = 0; found < kept;) {
        const QByteArrayView id = in.take(ChunkIdSize);
        const QByteArrayView chunk = in.take(in.bigEndian(ChunkLengthSize));
        if (!in.ok())
            return std::nullopt;
        if (id != TrackId)
            continue;
        const std::optional<QByteArray> events = TrackRebuild(chunk).run();
        if (!events)
            return std::nullopt;
        trackChunks.append(TrackId);
        appendBigEndian(trackChunks, quint32(events->size()), ChunkLengthSize);
        trackChunks.append(*events);
        ++found;
    }

    QByteArray file = HeaderId.toByteArray();
    appendBigEndian(file, HeaderLength, ChunkLengthSize);
    appendBigEndian(file, kept == 1 ? 0 : 1, 2);
    appendBigEndian(file, quint32(kept), 2);
    appendBigEndian(file, division, 2);
    return file + trackChunks;
}

} // namespace orvane
