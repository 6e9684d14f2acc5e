#include "fontmap/rules/CustomMapEditorSettings.h"

#include <algorithm>

namespace CustomMapEditorSettings {

int listColumns(const RegValue &stored)
{
    const std::optional<qint32> n = regToNumber(stored);
    return n ? std::clamp<qint32>(*n, kMinListColumns, kMaxListColumns) : kFirstRunListColumns;
}

CustomMapModel::ShiftDirection shiftDirection(const RegValue &stored)
{
    const std::optional<qint32> n = regToNumber(stored);
    return n && *n >= 1 ? CustomMapModel::ShiftDirection::Vertical : CustomMapModel::ShiftDirection::Horizontal;
}

} // namespace CustomMapEditorSettings
