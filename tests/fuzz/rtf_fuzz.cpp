// libFuzzer target for the RTF reader: any input ends in a document or an error, and a
// document it accepts is written and read back unchanged.
#include "textboard/rules/RtfReader.h"
#include "textboard/rules/RtfWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RtfReadResult result = readRtf(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!result)
        return 0;
    const RtfReadResult again = readRtf(writeRtf(result.value()));
    if (!again || !(again.value() == result.value())) {
        std::fprintf(stderr, "round trip changed the document\n");
        std::abort();
    }
    return 0;
}
