// libFuzzer target for the settings store's parser: any input ends in a tree or an error,
// and a tree it accepts is written and read back unchanged, its text a fixed point.
#include "platform/RegeditFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RegeditParse parsed = parseRegedit(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!parsed.tree)
        return 0;
    const QByteArray text = writeRegedit(*parsed.tree);
    const RegeditParse again = parseRegedit(text);
    if (!again.tree || !(*again.tree == *parsed.tree) || writeRegedit(*again.tree) != text) {
        std::fprintf(stderr, "round trip changed the tree: %s\n", qPrintable(again.error));
        std::abort();
    }
    return 0;
}
