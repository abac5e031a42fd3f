#pragma once
// A long input of which only the start can be read: the pages after it allow
// no access, so code that reads or copies the whole input crashes the test.

#include <QByteArrayView>
#include <QString>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace orvane::test {

struct GuardedBytes {
    // `size` bytes that begin with `start`.
    GuardedBytes(QByteArrayView start, qsizetype size) : size(size_t(size))
    {
        const auto page = size_t(sysconf(_SC_PAGESIZE));
        const size_t open = (size_t(start.size()) + page - 1) / page * page;
        if (base == MAP_FAILED || mprotect(base, open, PROT_READ | PROT_WRITE) != 0)
            qFatal("cannot map %zu bytes", this->size);
        std::memcpy(base, start.data(), size_t(start.size()));
    }
    ~GuardedBytes() { munmap(base, size); }
    Q_DISABLE_COPY_MOVE(GuardedBytes)
    QByteArrayView bytes() const { return {static_cast<const char*>(base), qsizetype(size)}; }
    QString text() const { return QString::fromRawData(static_cast<QChar*>(base), size / 2); }
    size_t size;
    void* base = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
};

} // namespace orvane::test
