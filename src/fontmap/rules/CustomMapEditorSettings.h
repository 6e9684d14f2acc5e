#pragma once

#include "app/rules/RegistryFunctions.h"
#include "fontmap/rules/CustomMapModel.h"

// The custom map editor's own two stored values (key CFMEditor): the list's column count and
// the highlight's direction after a move. A value missing from the store, or one that is not a
// number, reads as its first-run value; a number outside the range as the nearer end.
namespace CustomMapEditorSettings {

inline const QString kKey = QStringLiteral("CFMEditor");
inline const QString kListCols = QStringLiteral("ListCols");
inline const QString kShiftDir = QStringLiteral("ShiftDir");

inline constexpr int kMinListColumns = 8;
inline constexpr int kMaxListColumns = 30;
inline constexpr int kFirstRunListColumns = 10;

int listColumns(const RegValue &stored);
CustomMapModel::ShiftDirection shiftDirection(const RegValue &stored);

} // namespace CustomMapEditorSettings
