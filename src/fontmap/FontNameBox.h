#pragma once

#include <QString>
#include <Qt>

class QComboBox;

// A font name box: the faces of the hidden font list's entries, each with the picture of its
// font type.
namespace FontNameBox {

// An item's picture key, "TT" or "SF".
inline constexpr int kImageKeyRole = Qt::UserRole + 1;

// Adds the face of a font list entry (the face name followed by its one-digit font type) with
// the picture "TT" for TrueType (digit 4) or "SF" for any other type. True for TrueType.
bool addEntry(QComboBox *combo, const QString &entry);

} // namespace FontNameBox
