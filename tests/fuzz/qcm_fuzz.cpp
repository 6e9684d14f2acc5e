// libFuzzer target for the custom map reader: any input ends in a map or a reason; a map
// it accepts holds each code at most once, only codes 32..255, and is written and read
// back unchanged.
#include "fontmap/rules/QcmFormat.h"

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QcmFormat::ReadResult result = QcmFormat::parse(bytes);
    if (!result.cells) {
        if (result.reason.isEmpty())
            fail("refused without a reason");
        return 0;
    }
    std::bitset<256> used;
    for (quint8 code : *result.cells) {
        if (code == 0)
            continue;
        if (code < 32)
            fail("accepted a code below 32");
        if (used.test(code))
            fail("accepted a code twice");
        used.set(code);
    }
    const QcmFormat::ReadResult again = QcmFormat::parse(QcmFormat::serialize(*result.cells));
    if (!again.cells || *again.cells != *result.cells)
        fail("round trip changed the map");
    return 0;
}
