#include "tools/rules/KeyboardLayout.h"

#include <QList>

namespace KeyboardLayout {

namespace {

// Key by key, as in the header's order.
constexpr char kUnshifted[] = "`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./";
constexpr char kShifted[] = "~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?";
static_assert(sizeof(kUnshifted) - 1 == kKeys && sizeof(kShifted) - 1 == kKeys);

// The picture is 15 key units wide in five rows, with a margin around them.
constexpr double kUnit = 46;
constexpr double kRowPitch = 62;
constexpr double kLeft = (kPictureWidth - 15 * kUnit) / 2;
constexpr double kTop = (kPictureHeight - 5 * kRowPitch) / 2;
constexpr double kGap = 2;     // between neighbouring keys, on each side

// One row: the widths (in units) of its keys from the left, characters and others alike.
struct RowPart
{
    double units;
    int characterKey;   // -1 for a key without a character
    int otherKey;       // -1 for a character key
};

const QList<QList<RowPart>> &rows()
{
    static const QList<QList<RowPart>> table = [] {
        QList<QList<RowPart>> t(5);
        auto characters = [&](int row, int first, int count, double units = 1) {
            for (int k = first; k < first + count; ++k)
                t[row].append({units, k, -1});
        };
        auto other = [&](int row, OtherKey key, double units) { t[row].append({units, -1, int(key)}); };
        characters(0, 0, 13);
        other(0, OtherKey::Backspace, 2);
        other(1, OtherKey::Tab, 1.5);
        characters(1, 13, 12);
        characters(1, 25, 1, 1.5);
        other(2, OtherKey::CapsLock, 1.75);
        characters(2, 26, 11);
        other(2, OtherKey::Enter, 2.25);
        other(3, OtherKey::LeftShift, 2.25);
        characters(3, 37, 10);
        other(3, OtherKey::RightShift, 2.75);
        other(4, OtherKey::LeftCtrl, 1.5);
        other(4, OtherKey::LeftAlt, 1.5);
        other(4, OtherKey::Space, 9);
        other(4, OtherKey::RightAlt, 1.5);
        other(4, OtherKey::RightCtrl, 1.5);
        return t;
    }();
    return table;
}

struct Places
{
    std::array<QRectF, kKeys> characters;
    std::array<QRectF, kOtherKeys> others;
};

const Places &places()
{
    static const Places p = [] {
        Places result;
        for (int row = 0; row < rows().size(); ++row) {
            double x = kLeft;
            for (const RowPart &part : rows().at(row)) {
                const QRectF r(x + kGap, kTop + row * kRowPitch + kGap, part.units * kUnit - 2 * kGap,
                               kRowPitch - 2 * kGap);
                if (part.characterKey >= 0)
                    result.characters[part.characterKey] = r;
                else
                    result.others[part.otherKey] = r;
                x += part.units * kUnit;
            }
        }
        return result;
    }();
    return p;
}

} // namespace

quint8 keyCode(int key, bool shifted)
{
    Q_ASSERT(key >= 0 && key < kKeys);
    return quint8((shifted ? kShifted : kUnshifted)[key]);
}

QString specialKeystroke(int i)
{
    return QStringLiteral("Alt+0") + QString::number(kFirstSpecialCode - 1 + i);
}

QString otherKeyLegend(OtherKey key)
{
    switch (key) {
    case OtherKey::Backspace: return QStringLiteral("Backspace");
    case OtherKey::Tab: return QStringLiteral("Tab");
    case OtherKey::CapsLock: return QStringLiteral("Caps Lock");
    case OtherKey::Enter: return QStringLiteral("Enter");
    case OtherKey::LeftShift:
    case OtherKey::RightShift: return QStringLiteral("Shift");
    case OtherKey::LeftCtrl:
    case OtherKey::RightCtrl: return QStringLiteral("Ctrl");
    case OtherKey::LeftAlt:
    case OtherKey::RightAlt: return QStringLiteral("Alt");
    case OtherKey::Space: return QString();
    }
    return QString();
}

QRectF keyRect(int key)
{
    return places().characters.at(key);
}

QRectF otherKeyRect(OtherKey key)
{
    return places().others.at(int(key));
}

QRectF capFace(const QRectF &key)
{
    // The cap's top face: inset more at the bottom, where the cap's front edge shows.
    return key.adjusted(5, 4, -5, -9);
}

} // namespace KeyboardLayout
