// libFuzzer target for the settings store's parser: any input ends in a tree or an error; a
// tree it accepts is written and read back unchanged, its text a fixed point; and the same
// text with CR or CR LF line ends, behind a UTF-8 byte-order mark, or in UTF-16LE as the
// Windows registry editor writes it, gives the same tree.
#include "platform/RegeditFormat.h"

#include <QStringEncoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void mustGiveTheSameTree(const QByteArray &variant, const RegistryTree &tree, const char *what)
{
    if (variant.size() > kMaxRegeditBytes)
        return;
    const RegeditParse parsed = parseRegedit(variant);
    if (!parsed.tree || !(*parsed.tree == tree)) {
        std::fprintf(stderr, "%s changed the tree: %s\n", what, qPrintable(parsed.error));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const RegeditParse parsed = parseRegedit(input);
    if (!parsed.tree)
        return 0;
    const QByteArray text = writeRegedit(*parsed.tree);
    const RegeditParse again = parseRegedit(text);
    if (!again.tree || !(*again.tree == *parsed.tree) || writeRegedit(*again.tree) != text) {
        std::fprintf(stderr, "round trip changed the tree: %s\n", qPrintable(again.error));
        std::abort();
    }
    // The writer's own text, so that a byte the reader skips (in a comment) cannot differ.
    mustGiveTheSameTree(QByteArray(text).replace('\n', '\r'), *parsed.tree, "CR line ends");
    mustGiveTheSameTree(QByteArray(text).replace("\n", "\r\n"), *parsed.tree, "CR LF line ends");
    mustGiveTheSameTree("\xef\xbb\xbf" + text, *parsed.tree, "a UTF-8 byte-order mark");
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    mustGiveTheSameTree(QByteArray("\xff\xfe") + QByteArray(utf16(QString::fromUtf8(text))), *parsed.tree,
                        "UTF-16LE");
    return 0;
}
