#pragma once
// The operation kinds and option flags of the file operation component, with their published names.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/Set.h"

enum class TsysFileOperationType : std::uint8_t { fotCopy, fotDelete, fotMove, fotRename };

enum class TsysFileOperationFlag : std::uint8_t {
    fofAllowUndo,
    fofFilesOnly,
    fofNoConfirmation,
    fofNoConfirmMkDir,
    fofNoErrorUI,
    fofRenameCollision,
    fofSilent,
    fofSimpleProgress,
};

using TsysFileOperationFlags = fw::Set<TsysFileOperationFlag>;

inline constexpr TsysFileOperationFlags kDefaultFileOperationFlags{TsysFileOperationFlag::fofAllowUndo,
                                                                   TsysFileOperationFlag::fofFilesOnly,
                                                                   TsysFileOperationFlag::fofRenameCollision};

// Member names in ordinal order, for stored descriptions.
inline std::span<const std::string_view> EnumNames(TsysFileOperationType) {
    static constexpr std::array<std::string_view, 4> names{"fotCopy", "fotDelete", "fotMove", "fotRename"};
    return names;
}

inline std::span<const std::string_view> EnumNames(TsysFileOperationFlag) {
    static constexpr std::array<std::string_view, 8> names{
        "fofAllowUndo", "fofFilesOnly",       "fofNoConfirmation", "fofNoConfirmMkDir",
        "fofNoErrorUI", "fofRenameCollision", "fofSilent",         "fofSimpleProgress"};
    return names;
}
