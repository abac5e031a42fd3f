#pragma once
// A long input of which only the start can be read: the pages after it are
// mapped with no access, so code that reads or copies the whole input
// crashes the test, while code that refuses it on its size never looks.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace orvane::test {

class GuardedBytes {
public:
    // `size` bytes that begin with `start`; only the pages `start` takes can
    // be read.
    GuardedBytes(QByteArrayView start, qsizetype size) : size_(size_t(size))
    {
        base_ = mmap(nullptr, size_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        const auto page = size_t(sysconf(_SC_PAGESIZE));
        const size_t open = (size_t(start.size()) + page - 1) / page * page;
        if (base_ == MAP_FAILED || mprotect(base_, open, PROT_READ | PROT_WRITE) != 0)
            qFatal("cannot map %zu bytes", size_);
        std::memcpy(base_, start.data(), size_t(start.size()));
    }
    ~GuardedBytes() { munmap(base_, size_); }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    // A text of `characters` UTF-16 units that begins with `start`.
    static GuardedBytes text(const QString& start, qsizetype characters)
    {
        return {QByteArrayView(reinterpret_cast<const char*>(start.utf16()),
                               start.size() * qsizetype(sizeof(char16_t))),
                characters * qsizetype(sizeof(char16_t))};
    }

    QByteArrayView bytes() const { return {static_cast<const char*>(base_), qsizetype(size_)}; }
    // The bytes as UTF-16 text, not copied.
    QString text() const
    {
        return QString::fromRawData(static_cast<const QChar*>(base_),
                                    qsizetype(size_ / sizeof(char16_t)));
    }

private:
    size_t size_;
    void* base_ = nullptr;
};

} // namespace orvane::test
